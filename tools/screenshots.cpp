// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery of every window (run by hand under xvfb-run by scripts/screenshots, never by ctest):
//   screenshots <folder>                      every window, and README.md listing them
//   screenshots <folder> --main-window NAME   the main window alone, as NAME.png
//   --dark                                    with a dark palette
// The scale comes from QT_SCALE_FACTOR; a picture holds the window's own pixels, no desktop.

#include "app/charts/chart_window.h"
#include "app/forms/form_dialog.h"
#include "app/kv_app.h"
#include "app/main_frame.h"
#include "calculators/loan_amortization/loan_fields.h"
#include "catalog/form_catalog.h"
#include "document/kv_view.h"
#include "entry/chart_data.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <set>
#include <vector>

using namespace kavrel;

namespace {

struct Picture {
    QString file;
    QString caption;
};

class Gallery {
public:
    explicit Gallery(const QDir& folder) : m_folder(folder) {}

    // Saves what the window shows now as name.png and returns the file's name.
    QString Save(QWidget& window, const QString& name) const {
        QCoreApplication::processEvents();
        const QString file = name + QStringLiteral(".png");
        // Quality 0: the strongest compression, which loses nothing in a PNG.
        if (!window.grab().save(m_folder.filePath(file), "PNG", 0))
            qWarning("cannot write %s", qPrintable(m_folder.filePath(file)));
        return file;
    }
    void List(const QString& file, const QString& caption) {
        m_pictures.push_back({file, caption});
    }
    void Shoot(QWidget& window, const QString& name, const QString& caption) {
        List(Save(window, name), caption);
    }

    void WriteIndex() const {
        QFile index(m_folder.filePath(QStringLiteral("README.md")));
        if (!index.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
        QTextStream out(&index);
        out << "# Gallery\n\n"
            << "Every window of Kavrel, written by `scripts/screenshots`; run it again after "
               "changing what a window looks like.\n";
        for (const Picture& picture : m_pictures)
            out << "\n## " << picture.caption << "\n\n![" << picture.caption << "](" << picture.file
                << ")\n";
    }

private:
    QDir m_folder;
    std::vector<Picture> m_pictures;
};

void Type(CFormDialog& form, int id, const char* text) {
    if (QWidget* field = form.Widget(id)) QTest::keyClicks(field, text);
}

void Click(CFormDialog& form, int id) {
    if (auto* button = qobject_cast<QAbstractButton*>(form.Widget(id))) button->click();
}

// The Compound Interest example: 1000 at 8 % for 40 quarters, solved for its future value.
void SolveCompoundExample(CFormDialog& form) {
    Type(form, 11, "40");
    Type(form, 12, "8");
    Type(form, 13, "1000");
    Click(form, 1001);
}

// Shown and active, so that the focus is drawn. Without a window manager a window is activated
// only once it is on the screen, and an activation still on its way may take it away again.
void ShowActive(QWidget& window) {
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    for (int attempt = 0; attempt < 20 && !window.isActiveWindow(); ++attempt) {
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window, 500);
        QTest::qWait(50);
    }
    if (!window.isActiveWindow()) qWarning("%s is not active", qPrintable(window.windowTitle()));
}

// A form as it opens, over the main window.
void ShootForm(Gallery& gallery, CFormModel& model, QWidget& parent, const QString& name) {
    CFormDialog dialog(model, nullptr, &parent);
    ShowActive(dialog);
    gallery.Shoot(dialog, name, dialog.windowTitle());
}

// The chart of a 30-year mortgage of 180,000 at 6 %, as Loan Amortization draws it.
void ShootLoanChart(Gallery& gallery, QWidget& parent) {
    const std::unique_ptr<CFormModel> model = FindFormBySlug("loan-amortization")->create();
    CFormDialog form(*model, nullptr, &parent);
    ShowActive(form);
    if (QWidget* date = form.Widget(IDC_LOAN_FIRST_DUE_DATE))
        QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
    Type(form, IDC_LOAN_FIRST_DUE_DATE, "1/1/2027");
    Type(form, IDC_LOAN_PAYMENT_COUNT, "360");
    Type(form, IDC_LOAN_RATE, "6");
    Type(form, IDC_LOAN_PRINCIPAL, "180000");
    Click(form, 1001);
    Click(form, IDC_CHART);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* chart = qobject_cast<CChartWindow*>(window)) {
            chart->resize(800, 500);
            ShowActive(*chart);
            gallery.Shoot(*chart, QStringLiteral("loan-chart"),
                          QStringLiteral("The chart of a 30-year loan, from Loan Amortization"));
            chart->close();
        }
}

QString Slug(QString caption) {
    caption = caption.toLower();
    caption.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return caption;
}

// Records the Compound Interest example into the main window's document; returns the picture
// of the solved form taken before it recorded, when asked for one.
QString RecordCompoundExample(CMainFrame& frame, const Gallery* gallery) {
    QString solved;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
        if (!form) return;
        SolveCompoundExample(*form);
        if (gallery) solved = gallery->Save(*form, QStringLiteral("compound-interest-solved"));
        Click(*form, 1003);
    });
    frame.OnCommand(FindFormBySlug("compound-interest")->commandId);
    frame.View().moveCursor(QTextCursor::Start);
    ShowActive(frame);
    return solved;
}

QPalette DarkPalette() {
    const QColor window(0x2d, 0x2d, 0x30), base(0x1e, 0x1e, 0x1e), text(0xe6, 0xe6, 0xe6);
    const QColor dim(0x80, 0x80, 0x80), accent(0x3d, 0x8e, 0xd8);
    QPalette dark(text, window, window.lighter(150), window.darker(150), window.darker(120), text,
                  Qt::white, base, window);
    dark.setColor(QPalette::Highlight, accent);
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, accent.lighter(130));
    dark.setColor(QPalette::PlaceholderText, dim);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, dim);
    return dark;
}

} // namespace

int main(int argc, char** argv) {
    CKvApp app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: screenshots <folder> [--main-window NAME] [--dark]");
        return 2;
    }
    const QDir folder(args[1]);
    const qsizetype mainOnly = args.indexOf(QStringLiteral("--main-window"));
    if (args.contains(QStringLiteral("--dark"))) QApplication::setPalette(DarkPalette());

    app.InitInstance();
    CMainFrame& frame = *app.MainFrame();
    frame.resize(640, 480);
    ShowActive(frame);

    if (mainOnly > 0) {
        RecordCompoundExample(frame, nullptr);
        Gallery(folder).Save(frame, args.value(mainOnly + 1, QStringLiteral("main-window")));
        return 0;
    }

    Gallery gallery(folder);
    const QString solved = RecordCompoundExample(frame, &gallery);
    gallery.Shoot(frame, QStringLiteral("main-window"),
                  QStringLiteral("The main window with a recorded Compound Interest block"));
    gallery.List(QStringLiteral("main-window-2x.png"), QStringLiteral("The main window at 2x"));
    gallery.List(QStringLiteral("main-window-dark.png"),
                 QStringLiteral("The main window with a dark palette"));

    std::vector<std::unique_ptr<CFormModel>> subForms;
    std::set<std::string> subCaptions;
    for (const FormEntry& entry : FormCatalog()) {
        const std::unique_ptr<CFormModel> model = entry.create();
        ShootForm(gallery, *model, frame, QString::fromUtf8(entry.slug.data(), entry.slug.size()));
        if (entry.slug == "compound-interest")
            gallery.List(solved, QStringLiteral("Compound Interest, solved for the future value"));
        for (const ControlInfo& control : model->Controls())
            if (control.kind == ControlKind::Button)
                if (auto sub = model->SubFormFor(control.id))
                    if (subCaptions.insert(sub->Caption()).second)
                        subForms.push_back(std::move(sub));
    }
    for (const std::unique_ptr<CFormModel>& sub : subForms)
        ShootForm(gallery, *sub, frame, Slug(QString::fromStdString(sub->Caption())));
    ShootLoanChart(gallery, frame);

    gallery.WriteIndex();
    return 0;
}
