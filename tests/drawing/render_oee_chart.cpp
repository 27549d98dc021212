// Renders, for looking at, the chart of the worked example with the main window's
// settings, or every gradient style side by side, to a PNG file:
//   render_oee_chart <file.png> [--without-cop | --gradients]
#include "chart/UOEEChart.h"
#include "platform/gui/Bitmap.h"
#include "util/TmyGraph.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: render_oee_chart <file.png> [--without-cop]\n";
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));

    platform::TBitmap picture;
    if (args.contains(QStringLiteral("--gradients"))) {
        picture.SetSize(4 * 210 + 10, 4 * 110 + 10);
        for (int style = 0; style < 14; ++style) {
            const int x = 10 + style % 4 * 210, y = 10 + style / 4 * 110;
            TmyGraph::GradientXY(picture.Canvas(), x, y, x + 200, y + 100, 0x0000B2, 0xFFFF00,
                                 static_cast<TGradientStyle>(style));
        }
        return picture.image().save(args.at(1), "PNG") ? 0 : 1;
    }

    picture.SetSize(943, 316);
    platform::TCanvas& canvas = picture.Canvas();
    canvas.Rectangle(1, 1, 1300, 1300);

    TOEEChart chart;
    chart.bar_width = 650;
    chart.full_name = true;
    chart.draw_oee_label = false;
    chart.use_cop = !args.contains(QStringLiteral("--without-cop"));
    chart.bar_height = chart.use_cop ? 25 : 30;
    chart.bar_o = chart.use_cop ? 3 : 5;
    chart.z_label = QStringLiteral("czas zamówiony 08:00:00");
    chart.SetValues(87.5f, 92.31f, 80.0f, 95.0f, 61.32f);
    chart.DrawOEE(canvas, 20, 10);

    if (!picture.image().save(args.at(1), "PNG")) {
        QTextStream(stderr) << "cannot write " << args.at(1) << "\n";
        return 1;
    }
    return 0;
}
