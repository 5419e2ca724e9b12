// Message boxes: the answering seam, and the real modal box driven from
// inside its own event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/WinApi.h"

using namespace vcl;

namespace {

using TButton = QMessageBox::StandardButton;

// Shows a real box and hands it to act once it is up; act must end it.
int RunBox(UINT type, const std::function<void(QMessageBox&)>& act, const char* text = "text",
           const char* caption = "caption") {
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        act(*box);
    });
    poll.start();
    return MessageBoxA(nullptr, text, caption, type);
}

// Sorted: the style, not the box, decides the order on screen.
std::vector<TButton> ButtonsOf(const QMessageBox& box) {
    std::vector<TButton> buttons;
    for (QAbstractButton* b : box.buttons()) buttons.push_back(box.standardButton(b));
    std::sort(buttons.begin(), buttons.end());
    return buttons;
}

}  // namespace

TEST(MessageBox, AnswererSeesTheArgumentsAndGivesTheResult) {
    struct TCall {
        String text;
        String caption;
        UINT type = 0;
    } call;
    SetMessageBoxAnswerer([&](const String& text, const String& caption, UINT type) {
        call = {text, caption, type};
        return IDRETRY;
    });
    const UINT type = MB_RETRYCANCEL | MB_ICONERROR | MB_DEFBUTTON2 | MB_TOPMOST;
    EXPECT_EQ(MessageBoxA(nullptr, "No board at 10.0.0.\xe9", "Connect", type), IDRETRY);
    EXPECT_EQ(call.text, "No board at 10.0.0.\xe9");
    EXPECT_EQ(call.caption, "Connect");
    EXPECT_EQ(call.type, type);

    // Null text is empty and a null caption reads "Error", as on Windows.
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDRETRY);
    EXPECT_EQ(call.text, "");
    EXPECT_EQ(call.caption, "Error");

    // A button set that does not exist is refused before anyone is asked.
    call = {};
    SetLastError(0);
    EXPECT_EQ(MessageBoxA(nullptr, "x", "y", 0x6), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_MSGBOX_STYLE);
    EXPECT_EQ(call.type, 0u);
    SetMessageBoxAnswerer({});
}

TEST(MessageBox, ButtonsDefaultsAndResults) {
    struct TCase {
        UINT type;
        std::vector<std::pair<TButton, int>> buttons;
        TButton defaultButton;
        int closeResult;
    } cases[] = {
        {MB_OK, {{QMessageBox::Ok, IDOK}}, QMessageBox::Ok, IDOK},
        {MB_OKCANCEL,
         {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}},
         QMessageBox::Ok,
         IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON2,
         {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}},
         QMessageBox::No,
         IDNO},
        {MB_RETRYCANCEL,
         {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}},
         QMessageBox::Retry,
         IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON3,
         {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}},
         QMessageBox::Cancel,
         IDCANCEL},
        {MB_ABORTRETRYIGNORE,
         {{QMessageBox::Abort, IDABORT},
          {QMessageBox::Retry, IDRETRY},
          {QMessageBox::Ignore, IDIGNORE}},
         QMessageBox::Abort,
         IDABORT},
        // A default the set lacks falls back to the first button.
        {MB_OKCANCEL | MB_DEFBUTTON3,
         {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}},
         QMessageBox::Ok,
         IDCANCEL},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type 0x" << std::hex << c.type);
        std::vector<TButton> expected;
        for (const auto& [button, result] : c.buttons) expected.push_back(button);
        std::sort(expected.begin(), expected.end());

        for (const auto& [button, result] : c.buttons) {
            const int answer = RunBox(c.type, [&](QMessageBox& box) {
                EXPECT_EQ(ButtonsOf(box), expected);
                EXPECT_EQ(box.standardButton(box.defaultButton()), c.defaultButton);
                box.button(button)->click();
            });
            EXPECT_EQ(answer, result);
        }
        EXPECT_EQ(RunBox(c.type, [](QMessageBox& box) { box.close(); }), c.closeResult);
    }
}

TEST(MessageBox, ShowsPlainTextCaptionIconAndStaysOnTopWhenAsked) {
    struct TCase {
        UINT type;
        QMessageBox::Icon icon;
    } cases[] = {
        {MB_OK, QMessageBox::NoIcon},
        {MB_ICONERROR, QMessageBox::Critical},
        {MB_ICONQUESTION, QMessageBox::Question},
        {MB_ICONEXCLAMATION, QMessageBox::Warning},
        {MB_ICONINFORMATION | MB_TOPMOST | MB_SETFOREGROUND, QMessageBox::Information},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type 0x" << std::hex << c.type);
        RunBox(
            c.type,
            [&](QMessageBox& box) {
                EXPECT_EQ(box.icon(), c.icon);
                EXPECT_EQ(box.text(), QString::fromUtf8("Caf\u00e9 <b>\u20ac</b>"));
                EXPECT_EQ(box.textFormat(), Qt::PlainText);
                EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Na\u00efve"));
                EXPECT_EQ(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                          (c.type & MB_TOPMOST) != 0);
                box.close();
            },
            "Caf\xe9 <b>\x80</b>", "Na\xefve");
    }
}
