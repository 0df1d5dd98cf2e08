// SPDX-License-Identifier: GPL-3.0-or-later
// A full paint of the PROM fuse map with the default data into a
// 1024 x 860 image, as the screen, the printer and the clipboard paint it.
#include "QtBenchmarkMain.h"
#include "CZYLDoc.h"
#include "CZYLView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

static void BM_PaintPromFuseMap(benchmark::State& state)
{
    auto doc = std::make_unique<CZYLDoc>();
    CZYLView view(*doc);
    QImage image(CZYLView::kWidth, CZYLView::kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        view.OnDraw(p);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintPromFuseMap)->Unit(benchmark::kMillisecond);
