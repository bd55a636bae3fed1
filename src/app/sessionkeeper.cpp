#include "app/sessionkeeper.h"

#include "prefswindow/sessionstore.h"
#include "themes/fractionswindow.h"
#include "themes/integerswindow.h"
#include "themes/polynomialswindow.h"

#include <QFileInfo>

namespace tessaro {

void SessionKeeper::Restore() {
  if (!RemembersSessions()) return;
  const SessionValues session = LoadSession();
  RestoreIntegers(*windows_.integers, session.integers);
  windows_.fractions->Restore(session.fractions);
  windows_.polynomials->Restore(session.polynomials);
  for (const KeptWindow& kept : windows_.placed) {
    if (!kept.window) continue;
    const auto place = session.windows.constFind(kept.window->objectName());
    if (place == session.windows.cend()) continue;
    WindowPlace put = *place;
    put.visible = put.visible && kept.reopen;
    PutPlace(kept.window, put);
  }
  for (const IntegersWindowSession& remembered : session.integersWindows) {
    TFAritm* window = windows_.NewIntegers();
    window->UseDecimals(remembered.decimals);
    WindowPlace put = remembered.place;
    put.visible = true;  // only open ones are kept
    PutPlace(window, put);
  }
  // A worksheet that has gone since is forgotten.
  if (!session.worksheet.isEmpty() && QFileInfo(session.worksheet).isFile())
    windows_.worksheet.Reopen(session.worksheet);
}

void SessionKeeper::Save() const {
  if (!RemembersSessions()) return;
  SessionValues session;
  session.integers = IntegersSession(*windows_.integers);
  session.fractions = windows_.fractions->Session();
  session.polynomials = windows_.polynomials->Session();
  for (const KeptWindow& kept : windows_.placed)
    if (kept.window) session.windows.insert(kept.window->objectName(), PlaceOf(kept.window));
  // A closed Integers window stays closed for the rest of the run: only the open ones count.
  for (TFAritm* window : windows_.IntegersWindows()) {
    if (!window->isVisible()) continue;
    if (static_cast<int>(session.integersWindows.size()) == MaxRememberedIntegersWindows) break;
    session.integersWindows.push_back({PlaceOf(window), window->Decimals()});
  }
  session.worksheet = windows_.worksheet.OpenFile();
  SaveSession(session);
}

}  // namespace tessaro
