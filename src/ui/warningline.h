#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;

namespace iconsmith {

/**
 * A quiet status line for things about the source that will show in the icons: a warning
 * sign and the warnings as wrapped paragraphs. It hides itself when there is nothing to say.
 */
class WarningLine : public QWidget
{
    Q_OBJECT

public:
    explicit WarningLine(QWidget *parent = nullptr);

    /** The warnings shown, in order; empty while the line is hidden. */
    [[nodiscard]] const QStringList &warnings() const { return m_warnings; }
    /** Shows @p warnings, one paragraph each, or hides the line when there are none. */
    void setWarnings(const QStringList &warnings);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateIcon();

    QLabel *m_icon;
    QLabel *m_text;
    QStringList m_warnings;
};

} // namespace iconsmith
