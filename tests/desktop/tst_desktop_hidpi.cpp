// Each window at the scale factor this run was started with (QT_SCALE_FACTOR):
// the same layout in device-independent pixels, drawn at that many device
// pixels per pixel, and no caption clipped that is not clipped at scale 1.
// CTest runs this program twice: at scale 1 it writes down which captions fit
// (VANTOREL_FITS names the file), at scale 2 it compares against that.

#include "programs.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QFile>
#include <QFontMetricsF>
#include <QStyleOptionButton>
#include <QTest>

#include <map>

using namespace desktop_test;

namespace {

double scaleFactor() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

// Whether a control's text fits the room its kind gives text, across and
// down, as two characters "1" or "0"; empty for a control without text.
QString fitOf(QWidget *widget) {
    QString text;
    QRectF room;
    if (auto *label = qobject_cast<ui::Label *>(widget)) {
        text = label->caption();
        room = label->contentsRect();
    } else if (auto *button = qobject_cast<ui::Button *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        text = button->text();
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    } else if (auto *box = qobject_cast<ui::TextBox *>(widget)) {
        text = box->text();
        // QLineEdit keeps a margin of two pixels each side inside its frame.
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        room = QRectF(box->rect()).adjusted(frame + 2, frame, -frame - 2, -frame);
    }
    if (text.isEmpty())
        return {};
    const QSizeF needed = QFontMetricsF(widget->font(), widget).size(Qt::TextSingleLine, text);
    return QString::number(int(needed.width() <= room.width())) +
           QString::number(int(needed.height() <= room.height()));
}

} // namespace

class TestDesktopHidpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }
    void sameLayoutDrawnAtTheScaleFactor_data() { addProgramRows(); }
    void sameLayoutDrawnAtTheScaleFactor();
    void nothingClippedThatFitsAtScaleOne();
};

void TestDesktopHidpi::sameLayoutDrawnAtTheScaleFactor() {
    // The layout in device-independent pixels does not change with the scale.
    QFETCH(const Program *, program);

    const auto form = program->open();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const ui::Window &window = program->window();
    QCOMPARE(form->centralWidget()->size(), QSize(window.clientWidth / ui::twipsPerPixel,
                                                  window.clientHeight / ui::twipsPerPixel));
    for (const ui::Control &row : window.controls) {
        const ui::Twips &t = row.twips;
        constexpr int px = ui::twipsPerPixel;
        QCOMPARE(form->control(row.name, row.index)->geometry(),
                 QRect(t.left / px, t.top / px, t.width / px, t.height / px));
    }

    const double scale = scaleFactor();
    QCOMPARE(form->devicePixelRatioF(), scale);
    const QPixmap picture = form->grab();
    QCOMPARE(picture.devicePixelRatio(), scale);
    QCOMPARE(picture.size(), form->size() * scale);
}

void TestDesktopHidpi::nothingClippedThatFitsAtScaleOne() {
    const QString path = qEnvironmentVariable("VANTOREL_FITS");
    if (path.isEmpty())
        QSKIP("VANTOREL_FITS names no file to record or compare the fits in");
    const bool recording = scaleFactor() == 1.0;

    std::map<QString, QString> fits; // "program/control(index)" to its fit
    for (const Program &program : programs) {
        const auto form = program.open();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (const ui::Control &row : program.window().controls)
            if (const QString fit = fitOf(form->control(row.name, row.index)); !fit.isEmpty())
                fits[QStringLiteral("%1/%2(%3)")
                         .arg(program.name, toQString(row.name))
                         .arg(row.index)] = fit;
    }
    QVERIFY(fits.size() >= 30); // every caption of the three windows

    QFile file(path);
    if (recording) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
        for (const auto &[name, fit] : fits)
            file.write((name + u'\t' + fit + u'\n').toUtf8());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text),
             "the run at scale 1 writes this file first");
    int compared = 0;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(u'\t');
        QCOMPARE(fields.size(), 2);
        const auto found = fits.find(fields[0]);
        QVERIFY2(found != fits.end(), qPrintable(fields[0]));
        for (int direction : {0, 1}) // across, down
            if (fields[1][direction] == u'1')
                QVERIFY2(found->second[direction] == u'1',
                         qPrintable(fields[0] + QStringLiteral(" is cut off")));
        ++compared;
    }
    QCOMPARE(compared, int(fits.size()));
}

QTEST_MAIN(TestDesktopHidpi)
#include "tst_desktop_hidpi.moc"
