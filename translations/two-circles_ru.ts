<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Glossary</name>
    <message>
        <source></source>
        <comment>Глоссарий (геометрия 7–8 классов, взаимное расположение двух окружностей):
circle = окружность; radius = радиус; centre = центр; distance of the centres = расстояние между центрами;
segment PQ = отрезок PQ; plane = плоскость; relative position = взаимное расположение; rule = правило; point = точка;
touch externally = касаться внешне (внешнее касание); touch internally = касаться внутренне (внутреннее касание);
intersect = пересекаться (в двух точках); one inside the other = одна лежит внутри другой;
each outside the other = каждая лежит вне другой; neither intersect nor touch = не иметь общих точек;
select = выбрать; highlighted = выделено; holds = выполняется.
Обращение на «вы». Обозначения r1, r2, PQ, P, Q и формулы не меняются.
Кнопки: не больше четырёх букв (Дал., Наз., Вых., Печ.).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>HelpArrow</name>
    <message>
        <source>Double Click any of these 3 buttons and turn mouse wheel.</source>
        <extracomment>The help arrow&apos;s hint, drawn in at most two lines beside the three lists it points at.</extracomment>
        <translation>Дважды щёлкните по списку и крутите колесо.</translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>Circle with centre P and radius %1 cm, circle with centre Q and radius %2 cm, centres %3 cm apart.</source>
        <extracomment>The figure as a screen reader says it: %1 and %2 the radii, %3 the distance, all in cm.</extracomment>
        <translation>Окружность с центром P и радиусом %1 см, окружность с центром Q и радиусом %2 см, расстояние между центрами %3 см.</translation>
    </message>
    <message>
        <source>touch each other externally</source>
        <extracomment>How the two circles lie, completing &quot;The two circles %1; rule (%2) holds.&quot;.</extracomment>
        <translation>касаются внешне</translation>
    </message>
    <message>
        <source>touch each other internally</source>
        <translation>касаются внутренне</translation>
    </message>
    <message>
        <source>intersect each other in 2 points</source>
        <translation>пересекаются в 2 точках</translation>
    </message>
    <message>
        <source>neither intersect nor touch and one of them is inside the other</source>
        <translation>не имеют общих точек, и одна лежит внутри другой</translation>
    </message>
    <message>
        <source>do not intersect or touch and each is outside the other</source>
        <translation>не имеют общих точек, и каждая лежит вне другой</translation>
    </message>
    <message>
        <source>The two circles %1; rule (%2) holds.</source>
        <extracomment>The outcome a screen reader says: %1 how the circles lie (as above), %2 the rule that holds.</extracomment>
        <translation>Две окружности %1; выполняется правило (%2).</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Relative position of two circles in R</source>
        <extracomment>The heading; the program adds a superscript two after the final R, the plane (R²).</extracomment>
        <translation>Взаимное расположение двух окружностей в R</translation>
    </message>
    <message>
        <source>Let us test it for practice..    Click &apos;Next&apos;.</source>
        <extracomment>The introduction&apos;s last line; keep the two full stops and four blanks; &apos;Next&apos; as on the button.</extracomment>
        <translation>Потренируемся..    Нажмите &apos;Дал.&apos;</translation>
    </message>
    <message>
        <source>Author:  lessons@example.org    Mobile:  07700 900461</source>
        <extracomment>The author&apos;s contact line: translate the words &quot;Author&quot; and &quot;Mobile&quot; only.</extracomment>
        <translation>Автор:  lessons@example.org    Тел.:  07700 900461</translation>
    </message>
    <message>
        <source>Suppose that the centre of a circle is P and its radius is r1.</source>
        <extracomment>The introduction&apos;s first sentence. Keep &quot;r1&quot; as written: its digit is set lowered.</extracomment>
        <translation>Пусть P — центр окружности, а r1 — её радиус.</translation>
    </message>
    <message>
        <source>Suppose that in the same plane there is another circle with centre Q and radius r2.</source>
        <extracomment>The introduction&apos;s second sentence. Keep &quot;r2&quot; as written: its digit is set lowered.</extracomment>
        <translation>Пусть в той же плоскости есть другая окружность с центром Q и радиусом r2.</translation>
    </message>
    <message>
        <source>Now  select  length  of  radius  r1  and  r2  for  the  circles.</source>
        <extracomment>The first prompt; keep &quot;r1&quot;, &quot;r2&quot; (digits set lowered) and the double blanks.</extracomment>
        <translation>Теперь  выберите  радиусы  r1  и  r2  окружностей.</translation>
    </message>
    <message>
        <source> Select the distance PQ between  their centers P and Q</source>
        <extracomment>The distance prompt; keep the leading blank and the two after &quot;between&quot;; no full stop.</extracomment>
        <translation> Выберите расстояние PQ между  их центрами P и Q</translation>
    </message>
    <message>
        <source>You can rearrange r1 , r2 and PQ</source>
        <extracomment>Once the circles are drawn; keep &quot;r1&quot;, &quot;r2&quot; (digits set lowered) and the blank before &quot;,&quot;.</extracomment>
        <translation>Можно изменить r1 , r2 и PQ</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <extracomment>The title of the message that a print failed.</extracomment>
        <translation>Печать</translation>
    </message>
    <message>
        <source>The lesson was not printed: %1.</source>
        <extracomment>%1 is why: one of the reasons below, or the system&apos;s own words.</extracomment>
        <translation>Урок не напечатан: %1.</translation>
    </message>
    <message>
        <source>the printer did not take the page</source>
        <extracomment>Why a print failed, completing &quot;The lesson was not printed: %1.&quot;.</extracomment>
        <translation>принтер не принял страницу</translation>
    </message>
    <message>
        <source>the printer did not take the pages</source>
        <extracomment>Why a print failed, completing &quot;The lesson was not printed: %1.&quot;.</extracomment>
        <translation>принтер не принял страницы</translation>
    </message>
</context>
<context>
    <name>RuleBoard</name>
    <message>
        <source> (1)  If PQ =  r1 + r2 then the two circles touch each other externally.</source>
        <extracomment>Rule (1) in one fixed-width line; keep the number and formula as written, blanks and all.</extracomment>
        <translation> (1)  Если PQ =  r1 + r2, то окружности касаются внешне.</translation>
    </message>
    <message>
        <source> (2)  If PQ = | r1 - r2 | then the two circles touch each other internally.</source>
        <extracomment>Rule (2), in one line of a fixed width. Keep the number and the formula as written.</extracomment>
        <translation> (2)  Если PQ = | r1 - r2 |, то окружности касаются внутренне.</translation>
    </message>
    <message>
        <source> (3)  If | r1 - r2 | &lt; PQ &lt; r1 + r2  then the two circles intersect each other in 2 Points.</source>
        <extracomment>Rule (3); keep the number and formulas as written, &quot;| r1 - r2 |&quot; before &quot;r1 + r2&quot;.</extracomment>
        <translation> (3)  Если | r1 - r2 | &lt; PQ &lt; r1 + r2,  то окружности пересекаются в 2 точках.</translation>
    </message>
    <message>
        <source> (4)  If PQ &lt; | r1 - r2 |  then the two circles neither intersect nor touch and one of them is inside the other.</source>
        <extracomment>Rule (4), the longest, in one fixed-width line; keep the number and formula as written.</extracomment>
        <translation> (4)  Если PQ &lt; | r1 - r2 |,  то окружности не имеют общих точек и одна лежит внутри другой.</translation>
    </message>
    <message>
        <source> (5)  If PQ &gt; r1 + r2  then the two circles do not intersect or touch and each is outside the other.</source>
        <extracomment>Rule (5) in one fixed-width line; keep the number and the formula &quot;r1 + r2&quot; as written.</extracomment>
        <translation> (5)  Если PQ &gt; r1 + r2,  то окружности не имеют общих точек и каждая лежит вне другой.</translation>
    </message>
    <message>
        <source>It  will  be  highlighted  according  to  your  selection  of  r1 ,  r2  and  PQ.</source>
        <extracomment>The note under the rules and the highlight&apos;s tooltip; keep &quot;r1&quot;, &quot;r2&quot;, the double blanks.</extracomment>
        <translation>Оно  будет  выделено  по  вашему  выбору  r1 ,  r2  и  PQ.</translation>
    </message>
    <message>
        <source>This rule holds for the circles you chose.</source>
        <extracomment>What a screen reader adds to the rule that holds.</extracomment>
        <translation>Это правило выполняется для выбранных окружностей.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Radius r1</source>
        <extracomment>The name a screen reader gives the list of the radius r1; keep &quot;r1&quot; as written.</extracomment>
        <translation>Радиус r1</translation>
    </message>
    <message>
        <source>The radius r1 of the circle with centre P, in centimetres</source>
        <translation>Радиус r1 окружности с центром P, в сантиметрах</translation>
    </message>
    <message>
        <source>Radius r2</source>
        <extracomment>The name a screen reader gives the list of the radius r2; keep &quot;r2&quot; as written.</extracomment>
        <translation>Радиус r2</translation>
    </message>
    <message>
        <source>The radius r2 of the circle with centre Q, in centimetres</source>
        <translation>Радиус r2 окружности с центром Q, в сантиметрах</translation>
    </message>
    <message>
        <source>Distance PQ</source>
        <extracomment>The name a screen reader gives the list of the distance PQ; keep &quot;PQ&quot; as written.</extracomment>
        <translation>Расстояние PQ</translation>
    </message>
    <message>
        <source>The distance PQ between the centres P and Q, in centimetres</source>
        <translation>Расстояние PQ между центрами P и Q, в сантиметрах</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A screen reader&apos;s name for the Next button, which may be longer than the button&apos;s label.</extracomment>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Go on to the practice page</source>
        <translation>Перейти к странице упражнений</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Return to the introduction page</source>
        <translation>Вернуться к введению</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>The Home button ends the lesson.</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>End the lesson</source>
        <translation>Завершить урок</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Print the window</source>
        <translation>Напечатать окно</translation>
    </message>
    <message>
        <source>The practice page.</source>
        <extracomment>Spoken by a screen reader when the pupil reaches the practice page.</extracomment>
        <translation>Страница упражнений.</translation>
    </message>
    <message>
        <source>The introduction page.</source>
        <extracomment>Spoken by a screen reader when the pupil returns to the introduction.</extracomment>
        <translation>Введение.</translation>
    </message>
</context>
<context>
    <name>LessonWindow</name>
    <message>
        <source> Select the distance PQ between  their centers P and Q.</source>
        <translation> Выберите расстояние PQ между  их центрами P и Q.</translation>
    </message>
    <message>
        <source>In this Situation one and only one Possibility exists, out of below five..</source>
        <translation>В этом случае верна одна и только одна из пяти возможностей..</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Вых.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Наз.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Дал.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печ.</translation>
    </message>
    <message>
        <source>Chapter 4:  Relative Positions of Two Circles in a Plane.</source>
        <extracomment>The window&apos;s title and its name to a screen reader; the two blanks after the colon stay.</extracomment>
        <translation>Глава 4:  Взаимное расположение двух окружностей на плоскости.</translation>
    </message>
</context>
</TS>
