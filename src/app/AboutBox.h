#pragma once

#include <QDialog>

class QFrame;

// "关于": product line and the two links; a click on the background outside the inner panel
// closes it.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *mainWindow);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QFrame *m_panel = nullptr;
};
