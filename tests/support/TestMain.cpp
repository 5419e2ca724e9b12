// Every test executable runs the real widgets headless on Qt's offscreen
// platform, inside one QApplication for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

static QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise windows or pass size hints and says so
// every time.
static void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("This plugin does not support"))) return;
    standardHandler(type, context, text);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    standardHandler = qInstallMessageHandler(FilterMessages);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
