#pragma once
// The About box: the program's icon, its name as a 3D label, its version, a credit line and OK.
// A fixed 245 x 160 dialog centred on the screen; OK, Enter and Esc all close it with the result Accepted.

#include <QDialog>

class QLabel;
class QPushButton;
class TLabel3D;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QWidget* Panel1;
    QLabel* Image1;
    TLabel3D* Label3D1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
