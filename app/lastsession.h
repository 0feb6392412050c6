#pragma once

#include <QStringList>

class MainPage;

// The documents open when the window closed, opened again at the next start when the user asks
// for it ("启动时重新打开上次的文档", off until chosen). Kept in the settings under "session/".
namespace LastSession {

bool reopensAtStart();
void setReopensAtStart(bool reopen);

struct Documents
{
    QStringList paths; // in tab order
    int current = -1;  // index into paths of the tab that was current, -1 for another tab
};
Documents saved();
// The page's viewer tabs, in order, with the current one.
Documents documentsOf(const MainPage &page);
void remember(const Documents &documents);
// Opens the saved documents in their order, skipping those that are gone without a word (a
// protected one asks for its password as usual), and makes the saved current one current.
// Returns the paths opened.
QStringList reopen(MainPage &page);

} // namespace LastSession
