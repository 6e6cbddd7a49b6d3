// How to play: the rules in plain words, every figure read from the machine.
#include "machine/help_text.h"

#include <algorithm>

#include "app/picture_names.h"
#include "card/lamp_picture.h"
#include "features/next_ball.h"
#include "features/prices.h"
#include "features/star_prize.h"
#include "machine/help_html.h"
#include "machine/hoofdvenster.h"

namespace plonk {

using help::Escape;
using help::Face_Of;
using help::Picture;

namespace {

// A control's tooltip as a name in the text: "Invest points".
std::string Named(const Control& c) { return "<b>" + Escape(c.ToolTipText) + "</b>"; }

std::string Odds_Ladders(const Hoofdvenster& m) {
    std::vector<std::vector<std::string>> rows;
    for (int level = 1; level <= 9; ++level) {
        std::vector<std::string> row{std::to_string(level)};
        for (int n = 3; n <= 5; ++n) row.push_back(std::to_string(m.Odds_Table(level, n)));
        rows.push_back(row);
    }
    return help::Table("odds", {"Odds level", "Row of 3", "Row of 4", "Row of 5"}, rows);
}

// The movable lines a line level gives: "A to C", or none below level 6.
std::string Movable_Lines(int line_level) {
    if (line_level < 6) return "none";
    const char last = static_cast<char>('A' + std::min(line_level, 10) - 6);
    return last == 'A' ? "A" : std::string("A to ") + last;
}

std::string Star_Prizes(const Hoofdvenster& m) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r <= 9; ++r) {
        const Star_Prize p = Star_Prize_For(r);
        rows.push_back({std::to_string(r), std::to_string(p.Yellow), std::to_string(p.Red),
                        std::to_string(p.White), std::to_string(p.Green), Movable_Lines(p.Line_Level),
                        p.Fifth_Ball ? "yes" : "no",
                        p.Corners ? Face_Of(m.Pic_Corners) : Face_Of(m.Pic_4Stars)});
    }
    return help::Table("star-prizes",
                       {"Red level of the finished game", "Yellow", "Red", "White", "Green", "Movable lines",
                        "Fifth ball", "Feature"},
                       rows);
}

std::string Extra_Ball_Odds() {
    std::vector<std::string> header{"All four odds levels at"};
    for (int balls = 5; balls <= 9; ++balls) header.push_back(std::to_string(balls) + " balls");
    std::vector<std::vector<std::string>> rows;
    for (int level = 1; level <= 9; ++level) {
        std::vector<std::string> row{std::to_string(level)};
        for (int balls = 5; balls <= 9; ++balls)
            row.push_back("1 in " + std::to_string(Extra_Ball_One_In(4 * level, balls)));
        rows.push_back(row);
    }
    return help::Table("extra-balls", header, rows);
}

std::string Counters(const Hoofdvenster& m) {
    return "<h3>Credits, Stake and Saldo</h3><ul>"
           "<li><b>CREDITS</b>: the points you can play with. Every invest and every request for an extra "
           "ball "
           "costs one point; every win is counted onto them.</li>"
           "<li><b>STAKE</b>: all the points you have put in with " +
           Named(m.Knop_P) +
           ".</li>"
           "<li><b>SALDO</b>: your balance, what the machine has paid you less what you have spent. A minus "
           "sign "
           "shows when you are behind. Putting points in does not change it.</li></ul>"
           "<p>When you close the game it asks whether to keep these three for the next time.</p>";
}

std::string Investing(const Hoofdvenster& m) {
    return "<h3>Inserting and investing</h3><p>" + Face_Of(m.Knop_P) + " " + Named(m.Knop_P) + " puts " +
           std::to_string(Points_Per_Insert) + " points on your credits and your stake.</p><p>" +
           Face_Of(m.Knop_F1) + " " + Named(m.Knop_F1) +
           " is held down, with the mouse or the F1 key; it goes on investing while you hold it. When no "
           "game "
           "runs, a press pays what the finished card still holds, spends a point, plays the star game and "
           "starts a new game of five balls. After a lost star game every odds level starts at 1 and the "
           "next "
           "invest puts all four on 2.</p><p>Until the first ball of the game lands, every further invest "
           "spends a point on a <b>feature draw</b>. Once a ball has landed, investing waits for the next "
           "game.</p>";
}

std::string Feature_Draw(const Hoofdvenster& m) {
    return "<h3>What a feature draw can give</h3><ul>"
           "<li>One colour's odds level one step up on its ladder, as far as 9.</li>"
           "<li>The line feature: first the arrows light " +
           Face_Of(m.Pic_Pijl(0)) + ", then the letters " + Face_Of(m.Pic_Letter(0)) +
           " make lines A to E movable one by one.</li>"
           "<li>The fifth ball " +
           Face_Of(m.Pic_5thBall) +
           ": the lines stay movable one ball longer.</li>"
           "<li>CORNERS " +
           Face_Of(m.Pic_Corners) + " or 4 STARS " + Face_Of(m.Pic_4Stars) +
           ", never both.</li>"
           "<li>16 HIT ADDS A FLAG " +
           Face_Of(m.Pic_16Hit) +
           ", while fewer than four flags are lit.</li>"
           "<li>The star game: 3 STARS " +
           Face_Of(m.Pic_3Stars) + " or the better 2 STARS " + Face_Of(m.Pic_2Stars) +
           ". The star game is not to be had in every game: it rests for a while between chances, and a won "
           "star game starts the rest again.</li>"
           "<li>Or nothing at all.</li></ul>"
           "<p>The machine learns from your games: after a game that paid out no more than it cost, its "
           "draws "
           "grow more generous; after one that paid out more, meaner.</p><p>While lines are movable and the "
           "fifth ball is not yet won, an invest lights one of the two rollover stars on the playfield " +
           Face_Of(m.Pic_Ster_Geel) + " " + Face_Of(m.Pic_Ster_Rood) + ": " +
           Escape(m.Pic_Ster_Geel.ToolTipText) + ".</p>";
}

std::string Zones(const Hoofdvenster& m) {
    return "<h3>The card and its four colour zones</h3><p>" + Picture(Card_Picture_Name) +
           "</p><p>Every hole a ball lands in lights its number on the card " +
           Picture(Lamp_File(16, false, false)) + " &rarr; " + Picture(Lamp_File(16, true, false)) +
           "; each number stands on the card twice. Red circles mark the corners, purple circles the numbers "
           "of the card bonuses, stars the star numbers. Two numbers of every line wear a cyan ring " +
           Picture(Lamp_File(16, false, true)) +
           ": with the line at rest they stand in the middle column of each card, and they move with it, so "
           "they show where each line stands. Every lamp's tooltip names its number, its zones and whether "
           "it is lit. The left card is the <b>main card</b>, the right "
           "one the "
           "<b>extra card</b>. The coloured tracks on them are the four zones: on the main card "
           "<b>yellow</b> "
           "(lines A, C and E and the first, middle and last column) and <b>red</b> (lines B and D, the "
           "second "
           "and fourth column and both diagonals); on the extra card <b>white</b> and <b>green</b>, laid out "
           "the same way.</p><p>Three, four or five lit numbers next to each other along one track of a zone "
           "make a <b>row of 3, 4 or 5</b>. Each zone pays its longest new row at its odds level; a longer "
           "row "
           "later in the same game pays only what it adds to the shorter one already paid.</p>"
           "<h3>The odds ladders</h3><p>" +
           Picture(Score_Board_File(0, 3)) + "</p><p>The ladder of each zone, under the card (" +
           Escape(m.Pic_Score(0).ToolTipText) + ", " + Escape(m.Pic_Score(1).ToolTipText) + ", " +
           Escape(m.Pic_Score(2).ToolTipText) + ", " + Escape(m.Pic_Score(3).ToolTipText) +
           "), lights that zone's odds level, 1 to 9. A row pays:</p>" + Odds_Ladders(m) +
           "<p>Rows are paid when the card is scanned: after every ball from the fourth on when <b>" +
           Escape(help::Plain_Caption(m.Check2.Caption)) +
           "</b> is ticked (it also tries the positions of "
           "the movable lines), when you press " +
           Face_Of(m.Knop_S) + " " + Named(m.Knop_S) +
           " from the fourth ball on, and when the next game "
           "starts.</p>";
}

std::string Lines(const Hoofdvenster& m) {
    return "<h3>The movable lines, and when they freeze</h3><p>Each lit letter " + Face_Of(m.Pic_Letter(0)) +
           " makes its line movable: its button " + Face_Of(m.Knop_A) +
           " shifts the line's numbers sideways between three positions, so that other numbers stand in a "
           "zone's rows; numbers can cross from one card to the other. Lines move once the first ball has "
           "been "
           "played and freeze when the fourth ball is played " +
           Face_Of(m.Pic_4thBall) + ", or the fifth with the fifth ball " + Face_Of(m.Pic_5thBall) +
           ".</p><p>With <b>" + Escape(help::Plain_Caption(m.Check1.Caption)) +
           "</b> ticked the machine marks the three holes worth most to hit next " + Face_Of(m.Tip(0)) +
           ", and on the last ball before the lines freeze <b>" +
           Escape(help::Plain_Caption(m.Command1.Caption)) +
           "</b> moves them to the best setting it found.</p>";
}

std::string Patterns(const Hoofdvenster& m) {
    return "<h3>Corners and four stars</h3><p>" + Face_Of(m.Pic_Corners) + " " +
           Escape(m.Pic_Corners.ToolTipText) +
           ": the four corners of the main card count as a red row of 5.</p><p>" + Face_Of(m.Pic_4Stars) +
           " " + Escape(m.Pic_4Stars.ToolTipText) +
           ": the four star numbers of the extra card count as a green row of 5.</p>"
           "<h3>Flags, 16 hit and the green double</h3><p>" +
           Face_Of(m.Pic_16Hit) + " " + Face_Of(m.Pic_Vlag(0)) + " " + Face_Of(m.Pic_Dubbel) +
           "</p><p>With 16 HIT ADDS A FLAG lit, a ball in hole 16 lights a flag. Flags stay from game to "
           "game: " +
           Escape(m.Pic_Vlag(0).ToolTipText) + ". From the fourth ball on, " + Face_Of(m.Knop_2) + " " +
           Named(m.Knop_2) +
           " then pays the green zone a second time, now and at every later scan, with marks of its own. "
           "Once it has "
           "paid, the flags go out when the next game starts.</p>";
}

std::string Extra_Balls(const Hoofdvenster& m) {
    return "<h3>Extra balls</h3><p>From the fifth ball played on, hold " + Face_Of(m.Knop_F2) + " " +
           Named(m.Knop_F2) + " (or the F2 key). Every try costs one point and wins a ball " +
           Face_Of(m.Pix_XtrBall(0)) +
           " with the chance below, up to ten balls in all; the higher the odds levels and the more balls "
           "the game already has, the smaller the chance. With mixed levels it lies between the rows of the "
           "lowest and the highest level.</p>" +
           Extra_Ball_Odds();
}

std::string Star_Game(const Hoofdvenster& m) {
    return "<h3>The star game</h3><p>With " + Face_Of(m.Pic_3Stars) +
           " lit, three of the four star numbers "
           "of the extra card must be lit when the game ends; with " +
           Face_Of(m.Pic_2Stars) +
           ", two. The invest that starts the next game checks the finished card. A won star game gives the "
           "next game a head start, set by the red odds level of the finished game (red frames on the panel "
           "show it while the star game is lit):</p>" +
           Star_Prizes(m) + "<p>A lost star game starts the next game with every odds level at 1.</p>";
}

std::string Bonuses(const Hoofdvenster& m) {
    return "<h3>The bonuses</h3><p>The two bonus counters, " + Escape(m.Pic_Digit_RedBonus(0).ToolTipText) +
           " and " + Escape(m.Pic_Digit_GreenBonus(0).ToolTipText) +
           ", grow a little with every point you spend. With red at level 9 " + Face_Of(m.Pic_RedBonus) +
           ": " + Escape(m.Pic_RedBonus.ToolTipText) + ". With green at level 9 " +
           Face_Of(m.Pic_GreenBonus) + ": " + Escape(m.Pic_GreenBonus.ToolTipText) +
           ". Each bonus pays once a game, and its counter then starts again.</p>";
}

// The heat map of Show Odds, in the words the core gives it.
std::string Odds_Map() {
    std::string text = "<h3>Where the next ball will go</h3>";
    const std::string plain = Odds_Help_Text();
    for (size_t at = 0, end; at < plain.size(); at = end + 1) {
        end = plain.find('\n', at);
        if (end == std::string::npos) end = plain.size();
        if (end > at) text += "<p>" + Escape(plain.substr(at, end - at)) + "</p>";
    }
    return text;
}

}  // namespace

Screen_Area Card_Area(const Hoofdvenster& m) {
    // The lamps with the card's frame and letters around them, and the card names above.
    constexpr int kMargin = 7;
    const Control& first = m.Lites(0);
    const Control& last = m.Lites(49);
    const int right = std::min(last.Left + last.Width + kMargin, 640);
    return {first.Left - kMargin, 0, right - (first.Left - kMargin), last.Top + last.Height + kMargin};
}

std::string Help_Html(const Hoofdvenster& m, const std::vector<std::vector<std::string>>& own_keys) {
    return "<html><body><h2>How to play</h2><p>Shoot a ball with " + Face_Of(m.Knop_Bal) + " " +
           Named(m.Knop_Bal) + " (key O); its start speed is set with " + Face_Of(m.Knop_KrachtOmlaag) + " " +
           Face_Of(m.Knop_KrachtOmhoog) +
           " and shown by the red bar beside the lane. The ball runs down the playfield between pins and "
           "springs and drops into one of the 25 numbered holes; a ball that runs into the drain at the "
           "bottom "
           "is given back and does not count.</p>" +
           Counters(m) + Investing(m) + Feature_Draw(m) + Zones(m) + Lines(m) + Patterns(m) + Extra_Balls(m) +
           Star_Game(m) + Bonuses(m) + Odds_Map() + help::Keys_Section(m, own_keys) + "</body></html>";
}

}  // namespace plonk
