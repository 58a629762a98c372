#include "ui/season_index_boxes.h"

#include <QComboBox>

#include "season/season_teams.h"

namespace velmoro {

namespace {

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void FillYearBox(QComboBox* box, const std::vector<SeasonRecord>& index) {
    box->clear();
    for (int year : IndexYears(index))
        box->addItem(QString::number(year), year);
    box->setCurrentIndex(box->count() - 1);
}

void FillLeagueBox(QComboBox* box, const std::vector<SeasonRecord>& index, int year) {
    box->clear();
    box->addItem("All leagues", QString());
    QStringList codes;
    for (const SeasonRecord& record : index)
        if (record.year == year && !codes.contains(Text(record.league)))
            codes.push_back(Text(record.league));
    for (const QString& code : codes)
        box->addItem(Text(LeagueName(code.toStdString())), code);
}

}  // namespace velmoro
