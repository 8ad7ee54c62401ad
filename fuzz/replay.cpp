// Without libFuzzer, the fuzz target replays the inputs kept in the folders it is given, so that
// the suite builds it and runs it over its corpus.

#include <QApplication>
#include <QDirIterator>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    // The application lives as long as the replay, and ends with it as a program's does. The
    // platform is the test's: a screen that holds the window at its designed size, which the
    // lesson model's pixels assume.
    QApplication application(argc, argv);
    int replayed = 0;
    for (const QString &folder : application.arguments().mid(1))
        for (QDirIterator it(folder, QDir::Files); it.hasNext(); ++replayed) {
            QFile file(it.next());
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size()));
        }
    std::printf("%d inputs replayed, none disagreed\n", replayed);
    return replayed ? 0 : 1;
}
