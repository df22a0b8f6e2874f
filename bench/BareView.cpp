// A bare QWebEngineView showing one address for a while: the engine's own cost, to set beside
// the memory nameart uses when it shows the same page.
#include <QApplication>
#include <QTimer>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bareview URL [SECONDS]\n");
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 8;
    QWebEngineProfile profile; // off the record, as nameart's
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&profile, &view));
    view.resize(944, 431);
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    view.show();
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool ok) {
        std::printf("loaded: %s\n", ok ? "ok" : "failed");
        std::fflush(stdout);
    });
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
