#include "platform/qt/PngPicture.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

#include "platform/qt/PainterSurface.h"

namespace {

int Scaled(int extent, double factor)
{
    return std::max(1, static_cast<int>(std::lround(std::max(1, extent) * factor)));
}

} // namespace

bool WritePngPicture(const PictureJob& job, ImageStore& images, const std::string& path, std::string& error)
{
    double factor = job.scalePercent / 100.0;
    int width = Scaled(job.size.cx, factor);
    int height = Scaled(job.size.cy, factor);
    if (static_cast<long long>(width) * height > kMostPicturePixels) {
        error = "The picture would be " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels; choose a smaller scale.";
        return false;
    }
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        error = "There is not enough memory for a picture of " + std::to_string(width) + " x " +
                std::to_string(height) + " pixels.";
        return false;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(factor, factor);
        PainterSurface surface(painter, images, QRect(0, 0, std::max(1, job.size.cx), std::max(1, job.size.cy)));
        if (job.draw)
            job.draw(surface);
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
}
