// The dictionary program as a whole: it owns its tables, its windows and the appearance with the
// colour scheme, runs the start-up from the opening window and ends the run.
#pragma once

#include "dictionary/appearance/appearance.h"
#include "dictionary/core/startup.h"
#include "dictionary/core/wordlist.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class BusyCursor;

namespace Zembrota {

class frmAnzeige;
class frmEroeffnung;
class frmHaupt;

class DictionaryProgram : public QObject, public StartUpWindows
{
    Q_OBJECT
public:
    // The program directory holds latein.lst, zembrota.ini and the help files. The start-up takes
    // the word list from `prefetch` when one is given (it must outlive the program).
    explicit DictionaryProgram(const QString &programDir, WordListPrefetch *prefetch = nullptr,
                               QObject *parent = nullptr);
    ~DictionaryProgram() override;

    // Qt's own texts (the text fields' context menus, standard buttons) in German, like the rest
    // of the program; without the translations installed they stay as they are.
    static void useGermanStandardTexts();

    // Program entry: shows only the opening window.
    void start();

    frmEroeffnung *openingWindow() const { return m_opening.get(); }
    // Created, hidden, on first use.
    frmAnzeige *statusWindow();
    frmHaupt *mainWindow();
    bool hasMainWindow() const { return m_main != nullptr; }
    const WordList &wordList() const { return m_list; }
    // The colour scheme and the colours, about and advert windows.
    Appearance &appearance() { return m_appearance; }

    // How the run ends (the event loop's exit by default); tests record it instead.
    using Exit = std::function<void(int exitCode)>;
    void setExit(Exit exit);

    // StartUpWindows
    void setBusyPointer(bool busy) override;
    void showStatusWindow() override;
    void takeWordList(WordList list) override;
    void applySettings() override;
    void showMainWindow() override;
    void closeOpeningWindow() override;
    void showError(const QString &title, const QString &text) override;
    void showWarning(const QString &title, const QString &text) override;
    void endProgram(int exitCode) override;

Q_SIGNALS:
    void startUpFinished(StartUpOutcome outcome);

private:
    void StartUpLoad();

    QString m_programDir;
    WordListPrefetch *m_prefetch = nullptr;
    WordList m_list;
    // Declared before the windows: the main window uses it to its end.
    Appearance m_appearance;
    std::unique_ptr<frmEroeffnung> m_opening;
    std::unique_ptr<frmAnzeige> m_status;
    std::unique_ptr<frmHaupt> m_main;
    std::unique_ptr<BusyCursor> m_busy;
    Exit m_exit;
};

} // namespace Zembrota
