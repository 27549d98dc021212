#include "util/TmyFibDataBase.h"

#include "platform/gui/Color.h"

#include <QLineEdit>
#include <QPalette>

// The colour rule lives in TmyFibDataBase.cpp; only painting the edit box needs widgets,
// so this part of the database helper belongs to the GUI helpers' library.
void TmyFibDataBase::FiltrEditColor(std::int32_t rcount, QLineEdit& ed) const
{
    QPalette palette = ed.palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(platform::toQRgb(FiltrColor(ed.text(), rcount))));
    ed.setPalette(palette);
}
