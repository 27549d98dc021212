#include "model/UEfektOEE.h"

#include "platform/NumberFormat.h"
#include "util/TmyStr.h"
#include "util/Tmysystem.h"
#include "util/Tmytime.h"

using platform::add32;
using platform::sub32;

namespace {

QString T(std::int32_t seconds) { return Tmytime::SecTcDGM(seconds); }
QString B(std::int32_t seconds) { return u'[' + T(seconds) + u']'; }
float P(std::int64_t whole, std::int64_t part) { return Tmysystem::procent(whole, part); }
QString F(const char* pattern, platform::extended v) { return platform::FormatFloat(QString::fromLatin1(pattern), v); }

const QString blueOpen = QStringLiteral("<font color=\"clblue\" ><b>");
const QString redOpen = QStringLiteral("<font color=\"clred\" ><b>");
const QString close = QStringLiteral("</b></font>");
const QString indent = QStringLiteral("<ind=\"170\">");

QString blue(const QString& s) { return blueOpen + s + close; }
QString red(const QString& s) { return redOpen + s + close; }

bool isAboveNormMode(std::int32_t mode) { return mode == 2 || mode == 3; }

// The changeover item of a formula, in its plain and its mark-up form.
void appendChangeover(QString& plain, QString& markup, const QString& plainName, const QString& markupName,
                      std::int32_t seconds)
{
    plain += QStringLiteral(" - ") + plainName + QStringLiteral(" [") + T(seconds) + u']';
    markup += QStringLiteral(" - ") + blue(markupName) + QStringLiteral(" [") + T(seconds) + u']';
}

} // namespace

void TEfektOEE::policz()
{
    info.CzasZamowionyAsTxt = T(dWe.CzasZamowiony);
    operatingTime();
    availability();
    utilisation();
    quality();
    overall();
    info.LegendaTXT = QStringLiteral("CZam - czas zamówiony\n\rCOp - Czas operacyjny\n\rPPn - Postój planowany\n\r"
                                     "PNPn - Postój nie planowany\n\rOptCP - Optymalny czas przezbrajania");
}

void TEfektOEE::operatingTime()
{
    std::int32_t planned = dWe.CSPostojuP;
    QString plain = QStringLiteral("Cz.Operacyjny  =$$i Cz.Zamówiony - Cz.Postoju Planowanego [") + T(dWe.CSPostojuP) + u']';
    QString markup = blue(QStringLiteral("Cz.Operacyjny")) + QStringLiteral(" $$1 =$$i ") + blue(QStringLiteral("Cz.Zamówiony"))
        + QStringLiteral(" $$2 - ") + red(QStringLiteral("Cz.P. Planowanego")) + QStringLiteral(" [") + T(dWe.CSPostojuP) + u']';

    std::int32_t k = 0;
    if (TrybStratyPrzezbrajania == ChangeoverNotLoss) {
        k = dWe.CSPrzezbrajania;
        appendChangeover(plain, markup, QStringLiteral("CzPzb"), QStringLiteral("Cz.Przezbr."), k);
    } else if (isAboveNormMode(TrybStratyPrzezbrajania)) {
        k = dWe.CSPrzezbrajania < dWe.OptymalnyCzas_P ? dWe.CSPrzezbrajania : dWe.OptymalnyCzas_P;
        appendChangeover(plain, markup, QStringLiteral("NCzPzb"), QStringLiteral("Normatywny Cz. Przezbr."), k);
    }
    planned = add32(planned, k);
    dWy.CzasOperacyjny = sub32(dWe.CzasZamowiony, planned);

    dWy.CzasOperacyjnyProcent = P(dWe.CzasZamowiony, dWy.CzasOperacyjny);
    dWy.CzasOperacyjnyProcentTXT = F("#00.00%", dWy.CzasOperacyjnyProcent);
    info.CzasOperacyjnySkladniki = plain;

    markup = TmyStr::MyStringReplace(markup, QStringLiteral("$$1"), B(dWy.CzasOperacyjny));
    markup = TmyStr::MyStringReplace(markup, QStringLiteral("$$2"), B(dWe.CzasZamowiony));
    markup = TmyStr::MyStringReplace(markup, QStringLiteral("$$i"), indent);
    info.CzasOperacyjnySkladnikiHTML = markup;
    dWy.CzasOperacyjnyAsTxt = T(dWy.CzasOperacyjny);
}

void TEfektOEE::availability()
{
    std::int32_t losses = add32(dWe.CSAwarii, dWe.CSPostojuNP);
    QString plain = QStringLiteral("CzDost = CzOp - CzAw [") + T(dWe.CSAwarii) + QStringLiteral("] - CzPNp [")
        + T(dWe.CSPostojuNP) + u']';
    QString markup = blue(QStringLiteral("Cz.Dostępny")) + QStringLiteral(" $$1 =$$i ") + blue(QStringLiteral("Cz.Operacyjny"))
        + QStringLiteral(" $$2 - ") + red(QStringLiteral("Cz.Awarii")) + QStringLiteral(" [") + T(dWe.CSAwarii)
        + QStringLiteral("] - ") + red(QStringLiteral("Cz.P.NiePlanowego")) + QStringLiteral(" [") + T(dWe.CSPostojuNP) + u']';

    std::int32_t e = 0;
    if (TrybStratyPrzezbrajania == ChangeoverLoss) {
        e = dWe.CSPrzezbrajania;
        appendChangeover(plain, markup, QStringLiteral("CzPzb"), QStringLiteral("Cz.Przezbr."), e);
    } else if (isAboveNormMode(TrybStratyPrzezbrajania) && dWe.CSPrzezbrajania >= dWe.OptymalnyCzas_P) {
        e = sub32(dWe.CSPrzezbrajania, dWe.OptymalnyCzas_P);
        appendChangeover(plain, markup, QStringLiteral("PnCzPzb"), QStringLiteral("PonadNormatywny Cz.Przezbr."), e);
    }
    losses = add32(losses, e);
    dWy.DostepnoscCzas = sub32(dWy.CzasOperacyjny, losses);

    dWy.DostepnoscProcent = platform::single(100 - platform::extended{P(dWy.CzasOperacyjny, losses)});
    dWy.DostepnoscProcentTXT = F("#00.00%", dWy.DostepnoscProcent);
    info.DostepnoscSkladniki = plain;

    markup = TmyStr::MyStringReplace(markup, QStringLiteral("$$2"), B(dWy.CzasOperacyjny));
    markup = TmyStr::MyStringReplace(markup, QStringLiteral("$$1"), B(dWy.DostepnoscCzas));
    markup = TmyStr::MyStringReplace(markup, QStringLiteral("$$i"), indent);
    info.DostepnoscSkladnikiHTML = markup;
}

void TEfektOEE::utilisation()
{
    dWy.WykorzystanieStrata = sub32(dWy.DostepnoscCzas, dWe.CPracy);
    dWy.Wykorzystanie = dWe.CPracy;
    dWy.WykorzystanieProcent = P(dWy.DostepnoscCzas, dWe.CPracy);
    dWy.WykorzystanieProcentTXT = F("#00.00%", dWy.WykorzystanieProcent);

    const QString warning = dWe.CPracy > dWy.DostepnoscCzas
        ? QStringLiteral("<br>") + red(QStringLiteral(" Uwaga Cz. Efektywnej Pracy > Cz. Dostępnosci ")) + QStringLiteral(" !!")
        : QString();
    info.WykorzystanieSkladnikiHTML = blue(QStringLiteral("Cz.Wykorzystania")) + QStringLiteral(" =") + indent
        + QStringLiteral(" <b><font color=\"clblue\" >Cz.Efektywnej Pracy</b></font> [") + T(dWe.CPracy) + u']' + warning;
    info.WykorzystanieSkladniki = QStringLiteral("CzWK = CzPracy[") + T(dWe.CPracy) + u']';
}

void TEfektOEE::quality()
{
    const float good = platform::single(platform::extended{dWe.Wykonane} - dWe.Braki);
    dWy.Jakosc = good < 0 ? 0.0f : good;

    if (dWe.Wykonane >= dWe.Braki)
        dWy.JakoscProcent = platform::single(100 - platform::extended{P(platform::Round(dWe.Wykonane), platform::Round(dWe.Braki))});
    else
        dWy.JakoscProcent = 0;
    dWy.JakoscProcentStr = F("0.00%", dWy.JakoscProcent);

    const QString warning = dWe.Braki > dWe.Wykonane
        ? QStringLiteral("<br>!! ") + red(QStringLiteral("  Braki > Produkt ")) + QStringLiteral(" !!")
        : QString();
    info.JakoscSkladnikiHtml = blue(QStringLiteral("Jakość")) + QStringLiteral(" =  <b><font color=\"clblue\" >Produkt </b></font>[")
        + F("0", dWe.Wykonane) + QStringLiteral("] - ") + red(QStringLiteral("Braki")) + QStringLiteral(" [") + F("0", dWe.Braki)
        + u']' + warning;
}

void TEfektOEE::overall()
{
    const platform::extended oee = platform::extended{dWy.WykorzystanieProcent} / 100 * (platform::extended{dWy.DostepnoscProcent} / 100)
        * (platform::extended{dWy.JakoscProcent} / 100) * 100;
    dWy.OEE = platform::single(oee);
    dWy.OEETXT = F("##0.00%", dWy.OEE);
}
