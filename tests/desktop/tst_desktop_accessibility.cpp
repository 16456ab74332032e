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
    void boxIsLabelledByItsLabel_data();
    void boxIsLabelledByItsLabel();
    void everyButtonBoxAndCellHasItsOwnName_data();
    void everyButtonBoxAndCellHasItsOwnName();
    void cellValuesFollowTheSpin_data();
    void cellValuesFollowTheSpin();
};

void TestDesktopAccessibility::names_data() {
    QTest::addColumn<const Program *>("program");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");

    const int box = QAccessible::EditableText;
    const int cell = QAccessible::StaticText;
    const int button = QAccessible::Button;
    QTest::addRow("corvane2_countdown_box_named_under_it")
        << program("corvane2") << "txtInterval" << -1 << "Countdown Speed" << box;
    QTest::addRow("corvane2_spin_box_named_under_it")
        << program("corvane2") << "txtloop" << -1 << "Speed of Spins" << box;
    QTest::addRow("corvane_spin_box_named_left_of_it")
        << program("corvane") << "txtloop" << -1 << "Speed of Spins" << box;
    QTest::addRow("pallix_count_box_named_left_of_it")
        << program("pallix") << "txtloop" << -1 << "Number of Spins" << box;
    QTest::addRow("corvane2_leftmost_cell_is_digit_1")
        << program("corvane2") << "Label1" << 0 << "Digit 1" << cell;
    QTest::addRow("corvane2_rightmost_cell_is_digit_5")
        << program("corvane2") << "Label1" << 4 << "Digit 5" << cell;
    QTest::addRow("corvane_rightmost_cell_is_digit_5")
        << program("corvane") << "Label1" << 4 << "Digit 5" << cell;
    QTest::addRow("pallix_middle_cell_is_digit_3")
        << program("pallix") << "Label1" << 2 << "Digit 3" << cell;
    QTest::addRow("caption_label_keeps_its_caption")
        << program("pallix") << "Label3" << -1 << "Number of Spins" << cell;
    QTest::addRow("corvane2_count_down_button")
        << program("corvane2") << "cmdstart" << -1 << "Count down" << button;
    QTest::addRow("pallix_spin_button")
        << program("pallix") << "cmdstart" << -1 << "Spin" << button;
    QTest::addRow("corvane_zero_button")
        << program("corvane") << "cmdClear" << -1 << "Zero" << button;
    QTest::addRow("pallix_exit_button")
        << program("pallix") << "Command1" << -1 << "Exit" << button;
}

void TestDesktopAccessibility::names() {
    QFETCH(const Program *, program);
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(int, role);

    const auto form = program->open();
    QAccessibleInterface *interface = accessible(*form, qPrintable(control), index);
    QCOMPARE(interface->text(QAccessible::Name), name);
    QCOMPARE(int(interface->role()), role);
}

void TestDesktopAccessibility::boxIsLabelledByItsLabel_data() {
    QTest::addColumn<const Program *>("program");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::addRow("corvane2_countdown_interval") << program("corvane2") << "txtInterval"
                                                 << "Label4";
    QTest::addRow("corvane2_spin_interval") << program("corvane2") << "txtloop"
                                            << "Label3";
    QTest::addRow("corvane_spin_interval") << program("corvane") << "txtloop"
                                           << "Label3";
    QTest::addRow("pallix_number_of_spins") << program("pallix") << "txtloop"
                                            << "Label3";
}

void TestDesktopAccessibility::boxIsLabelledByItsLabel() {
    QFETCH(const Program *, program);
    QFETCH(QString, box);
    QFETCH(QString, label);

    const auto form = program->open();
    QAccessibleInterface *labelInterface = accessible(*form, qPrintable(label));
    const auto relations = accessible(*form, qPrintable(box))->relations(QAccessible::Label);
    QCOMPARE(relations.size(), 1);
    QCOMPARE(relations.front().first, labelInterface);
    // The box's value stays its text: the name does not replace it.
    QCOMPARE(accessible(*form, qPrintable(box))->text(QAccessible::Value),
             form->control<ui::TextBox>(qPrintable(box))->text());
}

void TestDesktopAccessibility::everyButtonBoxAndCellHasItsOwnName_data() {
    QTest::addColumn<const Program *>("program");
    for (const Program &program : programs)
        QTest::addRow("%s", program.name) << &program;
}

void TestDesktopAccessibility::everyButtonBoxAndCellHasItsOwnName() {
    QFETCH(const Program *, program);

    const auto form = program->open();
    QSet<QString> names;
    int named = 0;
    for (const ui::Control &row : program->window().controls) {
        const bool cell = row.kind == ui::Kind::Label && row.index >= 0;
        if (row.kind != ui::Kind::Button && row.kind != ui::Kind::TextBox && !cell)
            continue;
        const QString name = accessible(*form, row.name.data(), row.index)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), row.name.data());
        QVERIFY2(!names.contains(name), qPrintable(name + QStringLiteral(" names two controls")));
        names.insert(name);
        ++named;
    }
    QVERIFY(named >= 5 + 4 + 1); // five cells, at least four buttons and one box
}

void TestDesktopAccessibility::cellValuesFollowTheSpin_data() {
    everyButtonBoxAndCellHasItsOwnName_data();
}

void TestDesktopAccessibility::cellValuesFollowTheSpin() {
    QFETCH(const Program *, program);

    const auto form = program->open();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(accessible(*form, "Label1", i)->text(QAccessible::Value), QStringLiteral("0"));

    form->control<ui::Button>(program->spinButton)->click();
    for (int i = 0; i < 5; ++i) {
        auto *cell = form->control<ui::Label>("Label1", i);
        QAccessibleInterface *interface = accessible(*form, "Label1", i);
        QVERIFY(cell->caption() != QStringLiteral("0"));
        QCOMPARE(interface->text(QAccessible::Value), cell->caption());
        QCOMPARE(interface->text(QAccessible::Name), QStringLiteral("Digit %1").arg(i + 1));
    }
}

QTEST_MAIN(TestDesktopAccessibility)
#include "tst_desktop_accessibility.moc"
