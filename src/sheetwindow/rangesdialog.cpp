#include "sheetwindow/rangesdialog.h"

#include "renewal/renew.h"
#include "ui/ui.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

// "euclid_steps" as "EuclidSteps": the controls are named after the file's keys.
std::string CamelCase(const std::string& key) {
  std::string out;
  bool upper = true;
  for (char c : key) {
    if (c == '_') {
      upper = true;
      continue;
    }
    out += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    upper = false;
  }
  return out;
}

QLineEdit* NumberEdit(const std::string& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(FromStd(name));
  // "-2147483646" and a blank or two.
  edit->setMaxLength(14);
  edit->setMaximumWidth(110);
  return edit;
}

}  // namespace

TDlgRanges::TDlgRanges(const ProblemParams& params, const Ranges& ranges, int number,
                       QWidget* parent)
    : QDialog(parent), params_(params), number_(number), result_(ranges) {
  setObjectName(QStringLiteral("DlgRanges"));
  //: %1 is the number of the problem in the sheet.
  setWindowTitle(tr("Ranges of problem %1").arg(number));
  setModal(true);

  auto* form = new QGridLayout;
  int line = 0;
  for (const RangeEntry& e : RangeEntries(params, ranges)) {
    Row row{e, nullptr, nullptr, nullptr};
    const std::string name = CamelCase(e.key);
    // The range in words, and its key as the file writes it.
    const QString words = FromStd(e.label);
    const QString caption = words + QStringLiteral(" (") + FromStd(e.key) + QStringLiteral(")");
    if (e.type == RangeType::Flag) {
      row.flag = new QCheckBox(caption, this);
      row.flag->setObjectName(FromStd("CbRange" + name));
      form->addWidget(row.flag, line, 0, 1, 4, Qt::AlignLeft);
    } else {
      QLabel* label = Label(caption, this);
      form->addWidget(label, line, 0);
      row.lo = NumberEdit("IdRange" + name + (e.type == RangeType::Pair ? "Lo" : ""), this);
      label->setBuddy(row.lo);
      form->addWidget(row.lo, line, 1);
      SpeakAs(row.lo, words);
      if (e.type == RangeType::Pair) {
        //: Between the fields of the start and the end of a range: "1 to 8".
        form->addWidget(Label(tr("to"), this), line, 2);
        row.hi = NumberEdit("IdRange" + name + "Hi", this);
        form->addWidget(row.hi, line, 3);
        //: A screen reader's names of the fields of a range: %1 is the range in words.
        SpeakAs(row.lo, tr("%1, from").arg(words));
        //: A screen reader's name of the field of a range's end: %1 is the range in words.
        SpeakAs(row.hi, tr("%1, to").arg(words));
      }
    }
    rows_.push_back(row);
    ++line;
  }
  form->setColumnStretch(4, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BtRangesOk"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BtRangesCancel"));
  //: The button that puts every range back to its default.
  QPushButton* defaults = buttons->addButton(tr("Defaults"), QDialogButtonBox::ResetRole);
  defaults->setObjectName(QStringLiteral("BtRangesDefaults"));
  defaults->setToolTip(tr("The ranges of the theme window's own dice"));
  defaults->setAccessibleDescription(defaults->toolTip());
  connect(buttons, &QDialogButtonBox::accepted, this, &TDlgRanges::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TDlgRanges::reject);
  connect(defaults, &QPushButton::clicked, this,
          Guarded([this] { WriteEntries(RangeEntries(params_, Ranges{})); }));

  auto* layout = new QVBoxLayout(this);
  //: %1 is the number of the problem in the sheet.
  layout->addWidget(Label(tr("New numbers of problem %1 are drawn within these ranges.").arg(number),
                          this));
  layout->addLayout(form);
  layout->addWidget(buttons);

  std::vector<RangeEntry> entries;
  for (const Row& row : rows_) entries.push_back(row.entry);
  WriteEntries(entries);
}

void TDlgRanges::WriteEntries(const std::vector<RangeEntry>& entries) {
  for (std::size_t i = 0; i < rows_.size() && i < entries.size(); ++i) {
    const RangeEntry& e = entries[i];
    if (rows_[i].flag) rows_[i].flag->setChecked(e.flag);
    if (rows_[i].lo) rows_[i].lo->setText(FromStd(e.lo));
    if (rows_[i].hi) rows_[i].hi->setText(FromStd(e.hi));
  }
}

std::vector<RangeEntry> TDlgRanges::Entered() const {
  std::vector<RangeEntry> entries;
  for (const Row& row : rows_) {
    RangeEntry e = row.entry;
    if (row.flag) e.flag = row.flag->isChecked();
    if (row.lo) e.lo = ToStd(row.lo->text());
    if (row.hi) e.hi = ToStd(row.hi->text());
    entries.push_back(std::move(e));
  }
  return entries;
}

void TDlgRanges::accept() {
  RunGuarded([this] {
    const RangesEntered entered = RangesOfEntries(params_, Entered());
    if (!entered.ranges) {
      // The dialog stays open for the teacher to mend the field.
      ShowMessage(FromStd(ProblemRefusal(number_, RefusalText(entered.refusal))));
      return;
    }
    result_ = *entered.ranges;
    QDialog::accept();
  });
}

}  // namespace tessaro
