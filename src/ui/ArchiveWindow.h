#pragma once

#include <QWidget>

// A long-lived archive window (owners, dogs, schedule). Closing it in any way
// shows the main menu again and hides this window; it is never destroyed
// while the application runs.
//
// Its content is a panel of fixed size, laid out by hand and kept centred. The
// window opens maximised, but where the desktop does not maximise it (no
// window manager, a tiling one) it first takes the size of that panel, so the
// whole card shows instead of a strip of the toolkit's default size.
class ArchiveWindow : public QWidget
{
    Q_OBJECT

public:
    ArchiveWindow(const QString &objectName, const QString &caption, QWidget *mainMenu);

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    /// The size of the largest fixed-size part of the window: its panel.
    QSize largestFixedPart() const;

    QWidget *m_mainMenu;
    bool m_sizedToPanel = false;
};
