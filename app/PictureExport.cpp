// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureExport.h"

#include "FileWrite.h"
#include "Utf8.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr int kDotsPerInch = 96;
// Keeps a mistaken scale from asking for gigabytes of image memory.
constexpr double kMaxPixels = 400e6;

bool Fail(std::string& error, const std::string& path, const std::string& reason)
{
    error = "Cannot export " + Utf8::Escaped(path) + ": " + reason + ".";
    return false;
}

} // namespace

std::string PictureType(const std::string& path)
{
    // The name's bytes after the folder: a name, a dot and the type.
    const std::string name = path.substr(path.rfind('/') + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return {};
    std::string type = name.substr(dot + 1);
    std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return type == "png" || type == "svg" || type == "pdf" ? type : std::string();
}

bool ExportPicture(const std::string& path, int width, int height, const std::function<void(QPainter&)>& paint,
                   double scale, std::string& error)
{
    const std::string type = PictureType(path);
    if (type.empty())
        return Fail(error, path, "the file name must end in .png, .svg or .pdf");
    if (width <= 0 || height <= 0)
        return Fail(error, path, "the picture is empty");

    const double w = std::round(width * scale), h = std::round(height * scale);
    if (type == "png") {
        if (!(scale > 0) || !std::isfinite(scale))
            return Fail(error, path, "the scale must be greater than 0");
        if (w < 1 || h < 1 || w * h > kMaxPixels)
            return Fail(error, path, "the scaled picture is too small or too large");
    }

    // Drawn into memory, then written as every file is (FileWrite.h).
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);

    bool painted = false;
    if (type == "png") {
        QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
        if (image.isNull())
            return Fail(error, path, "not enough memory for the picture");
        const int dotsPerMeter = static_cast<int>(std::lround(kDotsPerInch * scale / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.scale(w / width, h / height);
            paint(painter);
        }
        painted = image.save(&file, "PNG");
    } else if (type == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setResolution(kDotsPerInch);
        svg.setTitle(QStringLiteral("ZYL"));
        QPainter painter;
        if (painter.begin(&svg)) {
            painter.fillRect(QRect(0, 0, width, height), Qt::white);
            paint(painter);
            painted = painter.end();
        }
    } else {
        QPdfWriter pdf(&file);
        pdf.setResolution(kDotsPerInch);
        pdf.setCreator(QStringLiteral("ZYL"));
        pdf.setTitle(QStringLiteral("ZYL"));
        const QPageSize page(QSizeF(width * 72.0 / kDotsPerInch, height * 72.0 / kDotsPerInch), QPageSize::Point,
                             QString(), QPageSize::ExactMatch);
        pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&pdf)) {
            painter.fillRect(QRect(0, 0, width, height), Qt::white);
            paint(painter);
            painted = painter.end();
        }
    }
    if (!painted)
        return Fail(error, path, "the picture could not be written");
    std::string reason;
    if (!ReplaceFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), reason))
        return Fail(error, path, reason.substr(0, reason.size() - 1)); // Fail adds the full stop
    return true;
}
