// The float in PicUKI: its answer to each fish step and its settling after a cast.
#include "fish/floatrules.h"
#include "game/form1.h"

namespace nuyo {

void Form1::drawFloat()
{
    PicUKI->paintPicture(ImgU->picture(), g.FloatX, g.FloatY, g.FloatWidth, g.FloatH, 0, 0, g.FloatSrcW, g.FloatH);
}

void Form1::FloatBite(int kind, int type, int slot, int heading)
{
    if (floatAnswer(g, kind, type, slot, heading) == FloatMove::PulledUnder) {
        g.FloatH = g.FloatH / 2;
        g.FloatY = g.FloatY + g.FloatH;
        PicUKI->cls();
        drawFloat();
        Wait(app, 0.1f);
        g.FloatY = 120;
    }
    PicUKI->cls();
    if (g.FloatY == 120) {
        // Pulled under: nothing shows until the next step draws the float at rest.
        floatAtRest(g);
        return;
    }
    drawFloat();
}

void Form1::Timer2_Timer()
{
    ++Timer2Count;
    g.FloatY += 3;
    g.FloatH -= 3;
    PicUKI->cls();
    drawFloat();
    if (Timer2Count > 20) {
        Timer3->setEnabled(true);
        Timer2->setEnabled(false);
        Timer2Count = 0;
    }
}

} // namespace nuyo
