#include "prefswindow/sessionstore.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace tessaro {

namespace {

const QString Organisation = QStringLiteral("Tessaro");
const QString Application = QStringLiteral("Tessaro");
const QString RememberKey = QStringLiteral("remember");
const QString SessionGroup = QStringLiteral("session");

std::unique_ptr<QSettings> OpenFile() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Organisation,
                                     Application);
}

// The file, a damaged one first set aside beside it (as Tessaro.conf.damaged, for whoever wants
// to look at it). Qt reports a damaged file only the first time it reads it and keeps what it
// made of it for every later reader: setting the file aside at once is what makes every later
// look find the defaults.
std::unique_ptr<QSettings> Open() {
  std::unique_ptr<QSettings> settings = OpenFile();
  if (settings->status() != QSettings::FormatError) return settings;
  const QString file = settings->fileName();
  const QString aside = file + QStringLiteral(".damaged");
  settings.reset();
  QFile::remove(aside);
  if (!QFile::rename(file, aside)) QFile::remove(file);
  return OpenFile();
}

// The file as it stands, or nothing when it cannot be read.
std::unique_ptr<QSettings> OpenToRead() {
  std::unique_ptr<QSettings> settings = Open();
  if (settings->status() != QSettings::NoError) return nullptr;
  return settings;
}

// ---- Reading: every value is checked for its kind, and one of another kind is dropped.

std::optional<std::size_t> ReadRow(const QVariant& value) {
  bool ok = false;
  const qlonglong row = value.toString().toLongLong(&ok);
  if (!ok || row < 0) return std::nullopt;
  return static_cast<std::size_t>(row);
}

std::vector<std::string> ReadTexts(const QSettings& s, const QString& key) {
  std::vector<std::string> texts;
  for (const QString& text : s.value(key).toStringList()) texts.push_back(text.toStdString());
  return texts;
}

ListSession ReadList(const QSettings& s) {
  ListSession list;
  list.items = ReadTexts(s, QStringLiteral("items"));
  for (const QString& text : s.value(QStringLiteral("selected")).toStringList())
    if (const std::optional<std::size_t> row = ReadRow(text)) list.selected.push_back(*row);
  list.current = ReadRow(s.value(QStringLiteral("current")));
  return list;
}

std::optional<WindowPlace> ReadPlace(const QSettings& s) {
  const QVariant geometry = s.value(QStringLiteral("geometry"));
  if (geometry.typeId() != QMetaType::QRect) return std::nullopt;
  const QRect r = geometry.toRect();
  return WindowPlace{r.topLeft(), r.size(), s.value(QStringLiteral("visible")).toBool()};
}

std::int64_t ReadNumber(const QSettings& s, const QString& key) {
  bool ok = false;
  const qlonglong n = s.value(key).toString().toLongLong(&ok);
  return ok ? n : 0;  // 0 is no number of decimals: the default takes its place
}

// ---- Writing

QStringList Texts(const std::vector<std::string>& texts) {
  QStringList out;
  for (const std::string& text : texts) out << QString::fromStdString(text);
  return out;
}

void WriteRow(QSettings& s, const QString& key, std::optional<std::size_t> row) {
  if (row) s.setValue(key, QString::number(*row));
}

void WriteList(QSettings& s, const ListSession& list) {
  s.setValue(QStringLiteral("items"), Texts(list.items));
  QStringList selected;
  for (std::size_t row : list.selected) selected << QString::number(row);
  s.setValue(QStringLiteral("selected"), selected);
  WriteRow(s, QStringLiteral("current"), list.current);
}

void WritePlace(QSettings& s, const WindowPlace& place) {
  s.setValue(QStringLiteral("geometry"), QRect(place.pos, place.size));
  s.setValue(QStringLiteral("visible"), place.visible);
}

// Keeps a coordinate far enough from the int limits that adding a size cannot overflow.
int Sane(int v) { return std::clamp(v, -1'000'000, 1'000'000); }

QList<QRect> ScreenAreas() {
  QList<QRect> areas;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary) areas << primary->availableGeometry();
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen != primary) areas << screen->availableGeometry();
  return areas;
}

}  // namespace

QString SettingsFile() { return Open()->fileName(); }

bool RemembersSessions() {
  const std::unique_ptr<QSettings> s = OpenToRead();
  return s && s->value(RememberKey, false).toBool();
}

bool SetRemembersSessions(bool on) {
  const std::unique_ptr<QSettings> s = Open();
  s->setValue(RememberKey, on);
  // Off means nothing of the user's lists is kept any longer.
  if (!on) s->remove(SessionGroup);
  s->sync();
  return s->status() == QSettings::NoError;
}

SessionValues LoadSession() {
  SessionValues session;
  const std::unique_ptr<QSettings> s = OpenToRead();
  if (!s || !s->value(RememberKey, false).toBool()) return session;
  s->beginGroup(SessionGroup);

  const std::pair<ListSession*, const char*> lists[] = {{&session.integers, "integers"},
                                                        {&session.fractions, "fractions"}};
  for (const auto& [list, name] : lists) {
    s->beginGroup(QString::fromUtf8(name));
    *list = ReadList(*s);
    s->endGroup();
  }
  s->beginGroup(QStringLiteral("polynomials"));
  session.polynomials.items = ReadTexts(*s, QStringLiteral("items"));
  session.polynomials.operands = {ReadRow(s->value(QStringLiteral("operandA"))),
                                  ReadRow(s->value(QStringLiteral("operandB")))};
  s->endGroup();

  s->beginGroup(QStringLiteral("windows"));
  for (const QString& name : s->childGroups()) {
    s->beginGroup(name);
    if (const std::optional<WindowPlace> place = ReadPlace(*s)) session.windows.insert(name, *place);
    s->endGroup();
  }
  s->endGroup();

  const int count = std::min(s->beginReadArray(QStringLiteral("integerswindows")),
                             MaxRememberedIntegersWindows);
  for (int i = 0; i < count; ++i) {
    s->setArrayIndex(i);
    const std::optional<WindowPlace> place = ReadPlace(*s);
    if (!place) continue;
    session.integersWindows.push_back(
        {*place, {FitDecimals(ReadNumber(*s, QStringLiteral("pairDecimals"))),
                  FitDecimals(ReadNumber(*s, QStringLiteral("combinedDecimals")))}});
  }
  s->endArray();

  session.worksheet = s->value(QStringLiteral("worksheet")).toString();
  s->endGroup();
  return session;
}

void SaveSession(const SessionValues& session) {
  if (!RemembersSessions()) return;
  const std::unique_ptr<QSettings> s = Open();
  // The whole session is replaced: nothing of an earlier one lingers.
  s->remove(SessionGroup);
  s->beginGroup(SessionGroup);

  const std::pair<const ListSession*, const char*> lists[] = {{&session.integers, "integers"},
                                                              {&session.fractions, "fractions"}};
  for (const auto& [list, name] : lists) {
    s->beginGroup(QString::fromUtf8(name));
    WriteList(*s, *list);
    s->endGroup();
  }
  s->beginGroup(QStringLiteral("polynomials"));
  s->setValue(QStringLiteral("items"), Texts(session.polynomials.items));
  WriteRow(*s, QStringLiteral("operandA"), session.polynomials.operands[0]);
  WriteRow(*s, QStringLiteral("operandB"), session.polynomials.operands[1]);
  s->endGroup();

  s->beginGroup(QStringLiteral("windows"));
  for (auto it = session.windows.cbegin(); it != session.windows.cend(); ++it) {
    s->beginGroup(it.key());
    WritePlace(*s, it.value());
    s->endGroup();
  }
  s->endGroup();

  s->beginWriteArray(QStringLiteral("integerswindows"));
  for (int i = 0; i < static_cast<int>(session.integersWindows.size()); ++i) {
    const IntegersWindowSession& w = session.integersWindows[static_cast<std::size_t>(i)];
    s->setArrayIndex(i);
    WritePlace(*s, w.place);
    s->setValue(QStringLiteral("pairDecimals"), w.decimals.pair);
    s->setValue(QStringLiteral("combinedDecimals"), w.decimals.combined);
  }
  s->endArray();

  s->setValue(QStringLiteral("worksheet"), session.worksheet);
  s->endGroup();
}

WindowPlace FitPlace(WindowPlace place, QSize minimum, QSize maximum, const QList<QRect>& screens) {
  minimum = minimum.expandedTo({0, 0});
  QSize size = place.size.isValid() ? place.size : minimum;
  size = size.boundedTo(maximum).boundedTo({100'000, 100'000}).expandedTo(minimum);
  QPoint pos(Sane(place.pos.x()), Sane(place.pos.y()));
  if (screens.isEmpty()) return {pos, size, place.visible};

  // The screen the window overlaps most; the first when it overlaps none.
  const QRect frame(pos, size);
  QRect screen = screens.first();
  qint64 most = 0;
  for (const QRect& area : screens) {
    const QRect common = area.intersected(frame);
    const qint64 overlap = qint64{common.width()} * common.height();
    if (overlap > most) {
      most = overlap;
      screen = area;
    }
  }
  size = size.boundedTo(screen.size()).expandedTo(minimum);
  // Wholly on that screen, or at its top left when the window is larger than it.
  const auto onScreen = [](int v, int from, int room, int length) {
    return std::max(from, std::min(v, from + room - length));
  };
  pos = {onScreen(pos.x(), screen.x(), screen.width(), size.width()),
         onScreen(pos.y(), screen.y(), screen.height(), size.height())};
  return {pos, size, place.visible};
}

WindowPlace PlaceOf(const QWidget* window) {
  return {window->pos(), window->size(), window->isVisible()};
}

void PutPlace(QWidget* window, const WindowPlace& place) {
  const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
  const WindowPlace fitted = FitPlace(place, minimum, window->maximumSize(), ScreenAreas());
  window->resize(fitted.size);
  window->move(fitted.pos);
  if (fitted.visible) window->show();
}

}  // namespace tessaro
