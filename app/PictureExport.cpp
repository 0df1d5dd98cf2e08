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

namespace {

using Paint = std::function<void(QPainter&)>;

// Each writer paints the picture of width x height units into file; false
// when it could not, problem saying why where it knows better.
bool WritePng(QIODevice& file, int width, int height, double scale, const Paint& paint, std::string& problem)
{
    const double w = std::round(width * scale), h = std::round(height * scale);
    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (image.isNull()) {
        problem = "not enough memory for the picture";
        return false;
    }
    const int dotsPerMeter = static_cast<int>(std::lround(kDotsPerInch * scale / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(w / width, h / height);
        paint(painter);
    }
    return image.save(&file, "PNG");
}

// A painter on device, the picture's area white, then the picture.
bool PaintOn(QPaintDevice& device, int width, int height, const Paint& paint)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    paint(painter);
    return painter.end();
}

bool WriteSvg(QIODevice& file, int width, int height, const Paint& paint)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(kDotsPerInch);
    svg.setTitle(QStringLiteral("ZYL"));
    return PaintOn(svg, width, height, paint);
}

bool WritePdf(QIODevice& file, int width, int height, const Paint& paint)
{
    QPdfWriter pdf(&file);
    pdf.setResolution(kDotsPerInch);
    pdf.setCreator(QStringLiteral("ZYL"));
    pdf.setTitle(QStringLiteral("ZYL"));
    const QPageSize page(QSizeF(width * 72.0 / kDotsPerInch, height * 72.0 / kDotsPerInch), QPageSize::Point,
                         QString(), QPageSize::ExactMatch);
    pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    return PaintOn(pdf, width, height, paint);
}

} // namespace

bool ExportPicture(const std::string& path, int width, int height, const std::function<void(QPainter&)>& paint,
                   double scale, std::string& error)
{
    const std::string type = PictureType(path);
    if (type.empty())
        return Fail(error, path, "the file name must end in .png, .svg or .pdf");
    if (width <= 0 || height <= 0)
        return Fail(error, path, "the picture is empty");
    if (type == "png") {
        const double w = std::round(width * scale), h = std::round(height * scale);
        if (!(scale > 0) || !std::isfinite(scale))
            return Fail(error, path, "the scale must be greater than 0");
        if (w < 1 || h < 1 || w * h > kMaxPixels)
            return Fail(error, path, "the scaled picture is too small or too large");
    }

    // Drawn into memory, then written as every file is (FileWrite.h).
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);
    std::string problem = "the picture could not be written";
    const bool painted = type == "png"   ? WritePng(file, width, height, scale, paint, problem)
                         : type == "svg" ? WriteSvg(file, width, height, paint)
                                         : WritePdf(file, width, height, paint);
    if (!painted)
        return Fail(error, path, problem);
    std::string reason;
    if (!ReplaceFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), reason))
        return Fail(error, path, reason.substr(0, reason.size() - 1)); // Fail adds the full stop
    return true;
}
