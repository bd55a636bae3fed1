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
  for (QWidget* window : windows_.placed) {
    const auto place = session.windows.constFind(window->objectName());
    if (place == session.windows.cend()) continue;
    WindowPlace put = *place;
    // The program shows its main window itself.
    if (window == windows_.main) put.visible = false;
    PutPlace(window, put);
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
    pendingWorksheet_ = session.worksheet;
  HandOverWorksheet();
}

void SessionKeeper::Save() const {
  if (!RemembersSessions()) return;
  SessionValues session;
  session.integers = IntegersSession(*windows_.integers);
  session.fractions = windows_.fractions->Session();
  session.polynomials = windows_.polynomials->Session();
  for (QWidget* window : windows_.placed)
    if (window) session.windows.insert(window->objectName(), PlaceOf(window));
  // A closed Integers window stays closed for the rest of the run: only the open ones count.
  for (TFAritm* window : windows_.IntegersWindows()) {
    if (!window->isVisible()) continue;
    if (static_cast<int>(session.integersWindows.size()) == MaxRememberedIntegersWindows) break;
    session.integersWindows.push_back({PlaceOf(window), window->Decimals()});
  }
  session.worksheet = worksheet_.OpenFile ? worksheet_.OpenFile() : pendingWorksheet_;
  SaveSession(session);
}

void SessionKeeper::UseWorksheet(WorksheetSession hooks) {
  worksheet_ = std::move(hooks);
  HandOverWorksheet();
}

void SessionKeeper::HandOverWorksheet() {
  if (pendingWorksheet_.isEmpty() || !worksheet_.Reopen) return;
  const QString path = std::exchange(pendingWorksheet_, QString());
  worksheet_.Reopen(path);
}

}  // namespace tessaro
