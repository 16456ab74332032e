#pragma once

#include <QLineEdit>

namespace ui {

class BoxInput;

// A one-line box that keeps what it is given as core::cleanBoxText() says,
// typed or pasted, shows a character its own face cannot draw as '?', and
// holds at most its maximum number of characters. A text wider than the box
// is drawn narrowed until it fits, so that all of it is seen at once; the
// caret, the selection and clicks follow the narrowed characters.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // 0: no limit.
    int maximumCharacters() const;
    void setMaximumCharacters(int count);

    // Marks the text as refused without interrupting the typing: the box is
    // tinted and its tool tip says why, until clearRefusal(). The tint stays
    // through a change of the desktop's palette or style.
    void showRefusal(const QString &why);
    void clearRefusal();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitText();
    void tint();

    BoxInput *m_input;
    QFont m_font; // as set, before any narrowing
    bool m_fitting = false;
    QString m_normalToolTip;
    bool m_refused = false;
    bool m_tinting = false;
};

} // namespace ui
