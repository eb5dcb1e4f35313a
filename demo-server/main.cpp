// kelvaro-demo-server: the dealerships' web server in miniature, on 127.0.0.1 only. It keeps its
// data in an SQLite file of its data folder (created with the sample data at the first start) and
// answers every endpoint of the client.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>

#include <unistd.h>

#include <QGuiApplication>
#include <QTimer>

#include "app/FileVersion.h"
#include "demo-server/DataStore.h"
#include "demo-server/DemoHttpServer.h"
#include "demo-server/GrownData.h"
#include "demo-server/PhotoStore.h"
#include "demo-server/ServerOptions.h"

namespace fs = std::filesystem;

namespace {

std::atomic<bool> stopRequested{false};

void requestStop(int)
{
    stopRequested = true;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    const auto options = parseServerOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "kelvaro-demo-server : %s\n%s", error.c_str(), kServerUsage);
        return 2;
    }
    if (options->help) {
        std::printf("kelvaro-demo-server %s\n%s", compiledFileVersion(), kServerUsage);
        return 0;
    }

    // No window: Qt draws the photos and the PDF files off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const fs::path runtime =
            fs::temp_directory_path() / ("kelvaro-runtime-" + std::to_string(getuid()));
        std::error_code ignored;
        fs::create_directories(runtime, ignored);
        fs::permissions(runtime, fs::perms::owner_all, ignored);
        qputenv("XDG_RUNTIME_DIR", runtime.c_str());
    }
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    std::signal(SIGPIPE, SIG_IGN);

    const fs::path data = options->dataFolder;
    OpenedStore opened;
    try {
        opened = openDemoDatabase(data.string());
    } catch (const std::exception& failure) {
        std::fprintf(stderr,
                     "kelvaro-demo-server : impossible de préparer les données de %s : %s\n",
                     data.c_str(), failure.what());
        return 1;
    }
    if (!opened.notice.empty())
        std::fprintf(stderr, "kelvaro-demo-server : %s\n", opened.notice.c_str());
    if (options->grow > 0) {
        try {
            auto session = opened.store->session();
            const std::string notice = growDemoData(session.db(), options->grow);
            std::fprintf(stderr, "kelvaro-demo-server : %s\n", notice.c_str());
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "kelvaro-demo-server : impossible d'agrandir la base : %s\n",
                         failure.what());
            return 1;
        }
    }

    // The FTP upload of the client writes into www/voimages of the FTP root, the data folder.
    PhotoStore photos((data / "www" / "voimages").string(), *opened.store);
    if (opened.created)
        writeCameraShots((data / "cliches").string(), *opened.store);

    opened.store->setStatementTimeLimit(options->limits.statementTime);
    opened.store->setReplyLimit(options->limits.replyBytes);
    DemoHttpServer server(
        ServerContext{*opened.store, photos, (data / "pdf").string(), options->limits});
    const int port = server.bind(options->port);
    if (port <= 0) {
        std::fprintf(stderr, "kelvaro-demo-server : impossible d'écouter sur 127.0.0.1:%d\n",
                     options->port);
        return 1;
    }
    std::printf("port %d\n", port);
    std::fflush(stdout);
    std::fprintf(stderr,
                 "kelvaro-demo-server : à l'écoute sur http://127.0.0.1:%d/ (données : %s)\n", port,
                 data.c_str());

    // A stop interrupts the statement that runs, closes the connections and ends the workers:
    // the program ends within a second of the signal, whatever the clients were doing.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (stopRequested.exchange(false)) {
            opened.store->stop();
            server.stop();
        }
    });
    watch.start(100);

    // The requests are served on other threads; this one keeps its event loop for the painting
    // they hand over, until the server has stopped.
    std::thread listener([&] {
        server.listen();
        QMetaObject::invokeMethod(&application, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    const int status = application.exec();
    listener.join();
    return status;
}
