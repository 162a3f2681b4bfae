// Takes the README's pictures (run by hand under xvfb-run, never by ctest):
//   screenshots <folder>         writes main-window.png and compound-interest.png

#include "app/forms/form_dialog.h"
#include "app/kv_app.h"
#include "app/main_frame.h"

#include <QAbstractButton>
#include <QDir>
#include <QTest>
#include <QTimer>

using namespace kavrel;

namespace {

void Type(CFormDialog& form, int id, const char* text) {
    if (QWidget* field = form.Widget(id)) QTest::keyClicks(field, text);
}

void Click(CFormDialog& form, int id) {
    if (auto* button = qobject_cast<QAbstractButton*>(form.Widget(id))) button->click();
}

} // namespace

int main(int argc, char** argv) {
    CKvApp app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    app.InitInstance();
    CMainFrame& frame = *app.MainFrame();
    frame.resize(640, 480);
    (void)QTest::qWaitForWindowExposed(&frame);

    // 1000 at 8 % for 40 quarters, solved for its future value, then recorded.
    QTimer::singleShot(300, [&] {
        auto* form = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
        if (!form) return;
        Type(*form, 11, "40");
        Type(*form, 12, "8");
        Type(*form, 13, "1000");
        Click(*form, 1001);
        QTest::qWait(200);
        form->grab().save(out.filePath(QStringLiteral("compound-interest.png")));
        Click(*form, 1003);
    });
    frame.OnCommand(32779);
    QTest::qWait(200);
    frame.grab().save(out.filePath(QStringLiteral("main-window.png")));
    return 0;
}
