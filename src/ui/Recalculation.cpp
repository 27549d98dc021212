#include "ui/Recalculation.h"

#include "model/UEfektOEE.h"
#include "platform/Numbers.h"
#include "util/Tmytime.h"

namespace recalculation {

using platform::extended;

std::int32_t minutesToSeconds(std::int32_t minutes)
{
    return platform::saturate32(std::int64_t{minutes} * 60);
}

QString duration(std::int64_t seconds)
{
    return Tmytime::SecTcDGM64(seconds);
}

std::int64_t Times::sumOfLossesAndWork() const
{
    return std::int64_t{planned} + unplanned + breakdowns + changeover + working;
}

QString consistencyLine(const Times& t)
{
    const std::int64_t o = t.ordered;
    const std::int64_t s = t.sumOfLossesAndWork();
    if (o < s)
        return QStringLiteral("Niespójność danych\r\nsuma czasów [ ") + duration(s) + QStringLiteral(" ] > czasu zamówionego [ ")
            + duration(o) + QStringLiteral(" ] !");
    if (o == s)
        return QStringLiteral("----");
    return QStringLiteral("Czas nieozanczony (czas zamówiony - pozostałe czasy) :  ") + duration(o - s);
}

QString formulasText(const TEfektOEE& oee)
{
    const QString br = QStringLiteral("<br>");
    return oee.info.CzasOperacyjnySkladnikiHTML + br + oee.info.DostepnoscSkladnikiHTML + br + oee.info.WykorzystanieSkladnikiHTML + br;
}

QString breakdownText(std::int32_t breakdownSeconds, std::int32_t orderedSeconds, std::int32_t count)
{
    const std::int64_t mttr = platform::Round(platform::floatDiv(breakdownSeconds, count));
    const std::int64_t mtbf = platform::Round(platform::floatDiv(orderedSeconds, count));
    return QStringLiteral("średni czas awarii:<br>") + QStringLiteral("  <b>MTTR:</b> ") + duration(mttr)
        + QStringLiteral("<br><br>średni czas między awariami:<br>") + QStringLiteral("  <b>MTBF:</b> ") + duration(mtbf);
}

QString reserveAndLossText(const TEfektOEE& oee, std::int32_t orderedSeconds, double cycleSeconds, std::int32_t rejects)
{
    using platform::sub32;
    const Tefekt_wy& r = oee.dWy;
    const QString ind150 = QStringLiteral("<ind=\"150\">");
    const QString ind250 = QStringLiteral("<ind=\"250\">");
    const QString endBr = QStringLiteral("</font><br>");
    const std::int64_t recovery = platform::Round(extended{cycleSeconds} * rejects);
    return QStringLiteral("Czas Operacyjny:") + ind150 + duration(r.CzasOperacyjny) + ind250
        + QStringLiteral("<font color=\"clGreen\">Rezerwa:") + duration(sub32(orderedSeconds, r.CzasOperacyjny)) + endBr
        + QStringLiteral("Czas Dostępny:") + ind150 + duration(r.DostepnoscCzas) + ind250
        + QStringLiteral("<font color=\"clRed\">Strata:") + duration(sub32(r.CzasOperacyjny, r.DostepnoscCzas)) + endBr
        + QStringLiteral("Czas Wykorzystania:") + ind150 + duration(r.Wykorzystanie) + ind250
        + QStringLiteral("<font color=\"clRed\">Strata:") + duration(r.WykorzystanieStrata) + endBr
        + QStringLiteral("Czas odtworzenia braków:") + ind250 + QStringLiteral("<font color=\"clred\">") + duration(recovery);
}

} // namespace recalculation
