// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programicon.h"
#include "offscreenplatform.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace {

// The icon at each size a desktop theme wants; the larger ones are the
// 32-pixel picture scaled up whole, keeping its crisp pixels.
bool writeThemeIcons(const QIcon &icon, const QDir &out, const QString &name)
{
    for (const int size : {16, 32, 48, 64, 128}) {
        const int drawn = size == 16 ? 16 : 32;
        const QImage image = icon.pixmap(drawn).toImage().scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!out.mkpath(dir) || !image.save(out.filePath(dir + '/' + name + ".png")))
            return false;
    }
    return true;
}

template<typename T> void append(QByteArray &bytes, T value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
}

// A Windows icon file holding each image as PNG data, its directory entry
// naming the image's palette size.
bool writeWindowsIcon(const QList<QImage> &images, const QString &path)
{
    QList<QByteArray> data;
    for (const QImage &image : images) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.convertToFormat(QImage::Format_Indexed8).save(&png, "PNG");
        data << png.data();
    }
    QByteArray file;
    append<quint16>(file, 0);
    append<quint16>(file, 1);
    append<quint16>(file, quint16(images.size()));
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const bool twoColours = images[i].colorCount() <= 3; // two and transparency
        file.append(char(images[i].width()));
        file.append(char(images[i].height()));
        file.append(char(twoColours ? 2 : 16));
        file.append(char(0));
        append<quint16>(file, 1);
        append<quint16>(file, twoColours ? 1 : 4);
        append<quint32>(file, quint32(data[i].size()));
        append<quint32>(file, offset);
        offset += data[i].size();
    }
    for (const QByteArray &image : data)
        file += image;
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

} // namespace

// Writes the program icon in the forms that installing needs: PNG files
// in a hicolor theme tree, and a Windows .ico.
int main(int argc, char *argv[])
{
    useOffscreenPlatformUnlessSet();
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: torvane-icons OUTPUT-DIRECTORY ICON-NAME\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = programIcon();
    if (!out.mkpath(".") || !writeThemeIcons(icon, out, name) || !writeWindowsIcon(programIconImages(), out.filePath(name + ".ico"))) {
        std::fprintf(stderr, "torvane-icons: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
