// The opening window: product name and version; the first key that produces a character starts
// the program.
#pragma once

#include <QWidget>

class QLabel;

namespace Zembrota {

class frmEroeffnung : public QWidget
{
    Q_OBJECT
public:
    explicit frmEroeffnung(QWidget *parent = nullptr);

    bool started() const { return m_started; }

Q_SIGNALS:
    // Emitted once, for the first character key.
    void StartUpRequested();
    // The window was closed before any key started the program.
    void ClosedWithoutStart();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();

    QLabel *m_lblVersion = nullptr;
    bool m_started = false;
};

} // namespace Zembrota
