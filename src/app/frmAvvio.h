#pragma once

#include <QWidget>

class GradientWidget;

// The main menu: opens the three archive windows, the information, splash and
// help windows and the maker's web site, and ends the application.
class frmAvvio : public QWidget
{
    Q_OBJECT

public:
    explicit frmAvvio(QWidget *parent = nullptr);

    /// The size of the centred panel that holds every picture.
    static constexpr QSize panelSize { 995, 692 };

Q_SIGNALS:
    void ownersRequested();
    void dogsRequested();
    void scheduleRequested();
    void infoRequested();
    void splashRequested();
    void helpRequested();
    void websiteRequested();
    /// The two small pictures of the footer: a backup of the program
    /// folder's data and its restore.
    void backupRequested();
    void restoreRequested();
    /// The exit picture or the window's close button: the application ends.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Picture;
    void addPicture(const Picture &picture);

    GradientWidget *m_background;
    QWidget *m_panel;
};
