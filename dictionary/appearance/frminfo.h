// frmInfo, the about window: product, version, the maker's notices and his web and mail links.
#pragma once

#include <QDialog>
#include <QUrl>

#include <array>

class IconAnimation;
class LinkLabel;
class QLabel;
class QPushButton;

namespace Zembrota {

class frmInfo : public QDialog
{
    Q_OBJECT
public:
    static constexpr int labelCount = 11;

    explicit frmInfo(QWidget *parent = nullptr);

    static QUrl webUrl();
    // A mail to the maker whose subject names the program and its version.
    static QUrl mailUrl();

    // Shown from the advert window: that window waits until this one is hidden again.
    void showModal();

public Q_SLOTS:
    void reject() override; // Enter and Esc: as "OK"
    void accept() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::array<QLabel *, labelCount> m_lbl{};
    QPushButton *m_cmdOK = nullptr;
    IconAnimation *m_icon = nullptr;
};

} // namespace Zembrota
