// Without libFuzzer, the fuzz target replays the inputs kept in the folders or files it is given,
// so that the suite builds it and runs it over its corpus.

#include <QApplication>
#include <QDirIterator>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    // The application lives as long as the replay, and ends with it as a program's does.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList inputs{QString::fromLocal8Bit(argv[i])};
        for (QDirIterator it(inputs.first(), QDir::Files); it.hasNext();)
            inputs << it.next();
        for (const QString &input : inputs) {
            QFile file(input);
            if (!file.open(QIODevice::ReadOnly) || !QFileInfo(input).isFile())
                continue;
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed, none disagreed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
