// zf_embed_pictures: writes pictures from resources/ as C++ source, their pixels already in the
// form the screen draws them in, so that the program shows them at start-up without decoding
// anything (no PNG decoder, no look through the toolkit's image plugins).
//
//     zf_embed_pictures <output.cpp> <resource-directory> <name>...
//
// Each picture becomes one table row of BuiltInPicture (src/form/built_in_pictures.h) under its
// resource path (":/card.png"): opaque pictures as 32-bit RGB (0xffRRGGBB), the others as
// premultiplied ARGB, one 32-bit word per pixel in the machine's own byte order, rows packed.

#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>
#include <string>

int main(int argc, char **argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: zf_embed_pictures <output.cpp> <resource-directory> <name>...\n");
        return 2;
    }
    // All the pixels in one array, in the order the pictures are named, each picture starting
    // 16-byte aligned: the pictures a start shows, named first, then share pages of their own,
    // and the rest is not read from the disk until it is drawn.
    std::string pixels, rows;
    char hex[8];
    for (int i = 3; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        const QString path = QString::fromLocal8Bit(argv[2]) + u'/' + name;
        QImage image(path);
        if (image.isNull()) {
            std::fprintf(stderr, "zf_embed_pictures: cannot read %s\n", qPrintable(path));
            return 1;
        }
        const bool opaque = !image.hasAlphaChannel();
        image.convertTo(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        const std::size_t offset = pixels.size() / 4; // each byte written as \xHH
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = image.constScanLine(y);
            for (qsizetype x = 0; x < qsizetype(image.width()) * 4; ++x) {
                std::snprintf(hex, sizeof hex, "\\x%02x", unsigned(line[x]));
                pixels += hex;
            }
        }
        while (pixels.size() / 4 % 16 != 0)
            pixels += "\\x00";
        rows += "    {\":/" + name.toStdString() + "\", " + std::to_string(image.width()) + ", " +
                std::to_string(image.height()) + ", " + (opaque ? "true" : "false") +
                ", pixels + " + std::to_string(offset) + "},\n";
    }
    std::string out = "// Made by zf_embed_pictures from the PNGs in resources/ at build time.\n"
                      "#include \"form/built_in_pictures.h\"\n\nnamespace {\n"
                      "alignas(64) constexpr char pixels[] =\n";
    for (std::size_t at = 0; at < pixels.size(); at += 128)
        out += "    \"" + pixels.substr(at, 128) + "\"\n";
    out += ";\n} // namespace\n\nconst BuiltInPicture BuiltInPictures[] = {\n" + rows + "};\n" +
           "const std::size_t BuiltInPictureCount = " + std::to_string(argc - 3) + ";\n";

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(out.data(), qint64(out.size())) != qint64(out.size())) {
        std::fprintf(stderr, "zf_embed_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
