// The benchmark programs' main: one QApplication for the whole run, on the
// offscreen platform unless the caller chose another.
#include <benchmark/benchmark.h>

#include <QApplication>

static QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise windows and says so every time.
static void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("This plugin does not support"))) return;
    standardHandler(type, context, text);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    standardHandler = qInstallMessageHandler(FilterMessages);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
