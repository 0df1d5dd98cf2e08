// SPDX-License-Identifier: GPL-3.0-or-later
// A click on a Karnaugh map cell and the full redraw it causes: the entry
// changes as the truth table changes it, the groups are computed anew (in
// PROM mode the minimizer's cover, the dearest case) and the four maps are
// painted into an image of the window's canvas size.
#include "QtBenchmarkMain.h"
#include "CKarnaughDlg.h"
#include "CZYLDoc.h"
#include "KarnaughLogic.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

static void BM_KarnaughClickRedraw(benchmark::State& state)
{
    auto doc = std::make_unique<CZYLDoc>();
    const ZSize size = KarnaughCanvasSize();
    QImage image(size.cx, size.cy, QImage::Format_RGB32);
    // A few cells of each map, clicked in turn so the covers keep changing.
    std::vector<CKarnaughHit> clicks;
    for (int f = 0; f < Device::kFunctions; ++f)
        for (const int m : {0, 5, 10, 15}) {
            const CKarnaughCell cell = KarnaughCellOf(m);
            clicks.push_back({f, cell.row, cell.column});
        }
    std::size_t next = 0;
    for (auto _ : state) {
        KarnaughLeftClick(*doc, clicks[next], false);
        next = (next + 1) % clicks.size();
        const CKarnaughGroups groups = KarnaughGroups(doc->Device(), doc->Covers());
        image.fill(Qt::white);
        QPainter p(&image);
        PaintKarnaughMaps(p, doc->Device(), groups);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_KarnaughClickRedraw)->Unit(benchmark::kMillisecond);
