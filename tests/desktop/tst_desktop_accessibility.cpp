// What assistive technology reads from each window through Qt's accessibility
// interfaces: the names of cells, buttons and boxes, the label that names each
// box, and the cells' captions as their values, also after a spin.

#include "programs.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QAccessible>
#include <QSet>
#include <QTest>

using namespace desktop_test;

namespace {

QAccessibleInterface *accessible(const ui::Form &form, const char *name, int index = -1) {
    QAccessibleInterface *interface =
        QAccessible::queryAccessibleInterface(form.control(name, index));
    if (!interface)
        qFatal("%s has no accessible interface", name);
    return interface;
}

const Program *program(const char *name) {
    for (const Program &candidate : programs)
        if (qstrcmp(candidate.name, name) == 0)
            return &candidate;
    qFatal("no program %s", name);
}

} // namespace

class TestDesktopAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }
    void names_data();
    void names();
    void ownNamesAndCellValues_data() { addProgramRows(); }
    void ownNamesAndCellValues();
};

void TestDesktopAccessibility::names_data() {
    // The control, its accessible name and, for a box, the label naming it on screen.
    QTest::addColumn<const Program *>("program");
    QTest::addColumn<QStringList>("row");

    // Two boxes in one window, each named by the label under it.
    QTest::addRow("corvane2_countdown_box")
        << program("corvane2") << QStringList{"txtInterval", "Countdown Speed", "Label4"};
    QTest::addRow("corvane2_spin_box")
        << program("corvane2") << QStringList{"txtloop", "Speed of Spins", "Label3"};
    // A box named by the label left of it.
    QTest::addRow("pallix_count_box")
        << program("pallix") << QStringList{"txtloop", "Number of Spins", "Label3"};
    QTest::addRow("caption_label_keeps_its_caption")
        << program("pallix") << QStringList{"Label3", "Number of Spins"};
    QTest::addRow("corvane2_count_down_button")
        << program("corvane2") << QStringList{"cmdstart", "Count down"};
    QTest::addRow("corvane_zero_button") << program("corvane") << QStringList{"cmdClear", "Zero"};
    QTest::addRow("pallix_exit_button") << program("pallix") << QStringList{"Command1", "Exit"};
}

void TestDesktopAccessibility::names() {
    QFETCH(const Program *, program);
    QFETCH(QStringList, row);
    const QString control = row[0];
    const QString name = row[1];
    const QString label = row.value(2);

    const auto form = program->open();
    QWidget *widget = form->control(qPrintable(control));
    QAccessibleInterface *interface = accessible(*form, qPrintable(control));
    QCOMPARE(interface->text(QAccessible::Name), name);
    const auto role = qobject_cast<ui::Button *>(widget)    ? QAccessible::Button
                      : qobject_cast<ui::TextBox *>(widget) ? QAccessible::EditableText
                                                            : QAccessible::StaticText;
    QCOMPARE(interface->role(), role);
    if (label.isEmpty())
        return;
    const auto relations = interface->relations(QAccessible::Label);
    QCOMPARE(relations.size(), 1);
    QCOMPARE(relations.front().first, accessible(*form, qPrintable(label)));
    // The box's value stays its text: the name does not replace it.
    QCOMPARE(interface->text(QAccessible::Value),
             form->control<ui::TextBox>(qPrintable(control))->text());
}

void TestDesktopAccessibility::ownNamesAndCellValues() {
    QFETCH(const Program *, program);
    const auto form = program->open();

    // Every button, box and cell has a name, and no two share one.
    QSet<QString> names;
    for (const ui::Control &row : program->window().controls) {
        const bool cell = row.kind == ui::Kind::Label && row.index >= 0;
        if (row.kind != ui::Kind::Button && row.kind != ui::Kind::TextBox && !cell)
            continue;
        const QString name = accessible(*form, row.name.data(), row.index)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), row.name.data());
        QVERIFY2(!names.contains(name), qPrintable(name + QStringLiteral(" names two controls")));
        names.insert(name);
    }
    QVERIFY(names.size() >= 5 + 4 + 1); // five cells, at least four buttons and one box

    // Cells are named by their place, left to right, and read out their captions.
    for (int i = 0; i < 5; ++i)
        QCOMPARE(accessible(*form, "Label1", i)->text(QAccessible::Value), QStringLiteral("0"));
    form->control<ui::Button>(program->spinButton)->click();
    for (int i = 0; i < 5; ++i) {
        auto *cell = form->control<ui::Label>("Label1", i);
        QAccessibleInterface *interface = accessible(*form, "Label1", i);
        QVERIFY(cell->caption() != QStringLiteral("0"));
        QCOMPARE(interface->text(QAccessible::Value), cell->caption());
        QCOMPARE(interface->text(QAccessible::Name), QStringLiteral("Digit %1").arg(i + 1));
        QCOMPARE(interface->role(), QAccessible::StaticText);
    }
}

QTEST_MAIN(TestDesktopAccessibility)
#include "tst_desktop_accessibility.moc"
