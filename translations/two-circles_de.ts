<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Glossary</name>
    <message>
        <source></source>
        <comment>Glossar (Geometrie der Sekundarstufe I, Lage zweier Kreise):
circle = Kreis; radius = Radius (Plural: Radien); centre = Mittelpunkt;
distance of the centres = Abstand der Mittelpunkte, Mittelpunktsabstand; segment PQ = Strecke PQ;
plane = Ebene; relative position = Lage, Lagebeziehung; rule = Regel; point = Punkt;
touch externally = sich von außen berühren; touch internally = sich von innen berühren;
intersect = sich schneiden (in zwei Punkten); one inside the other = einer liegt im anderen;
each outside the other = jeder liegt außerhalb des anderen; neither intersect nor touch = sich weder schneiden noch berühren;
choose/select = wählen; highlighted = hervorgehoben.
Anrede: du (Schülerinnen und Schüler). Die Zeichen r1, r2, PQ, P, Q und die Formeln bleiben, wie sie sind.
Knöpfe: höchstens etwa vier Buchstaben (Vor, Zur., Ende, Druck).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>HelpArrow</name>
    <message>
        <source>Double Click any of these 3 buttons and turn mouse wheel.</source>
        <extracomment>The help arrow&apos;s hint, drawn in at most two lines beside the three lists it points at.</extracomment>
        <translation>Doppelklicke eine der 3 Listen und drehe das Mausrad.</translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>Circle with centre P and radius %1 cm, circle with centre Q and radius %2 cm, centres %3 cm apart.</source>
        <extracomment>The figure as a screen reader says it: %1 and %2 the radii, %3 the distance, all in cm.</extracomment>
        <translation>Kreis mit Mittelpunkt P und Radius %1 cm, Kreis mit Mittelpunkt Q und Radius %2 cm, Mittelpunkte %3 cm voneinander entfernt.</translation>
    </message>
    <message>
        <source>touch each other externally</source>
        <extracomment>How the two circles lie, completing &quot;The two circles %1; rule (%2) holds.&quot;.</extracomment>
        <translation>berühren sich von außen</translation>
    </message>
    <message>
        <source>touch each other internally</source>
        <translation>berühren sich von innen</translation>
    </message>
    <message>
        <source>intersect each other in 2 points</source>
        <translation>schneiden sich in 2 Punkten</translation>
    </message>
    <message>
        <source>neither intersect nor touch and one of them is inside the other</source>
        <translation>schneiden und berühren sich nicht, und einer liegt im anderen</translation>
    </message>
    <message>
        <source>do not intersect or touch and each is outside the other</source>
        <translation>schneiden und berühren sich nicht, und jeder liegt außerhalb des anderen</translation>
    </message>
    <message>
        <source>The two circles %1; rule (%2) holds.</source>
        <extracomment>The outcome a screen reader says: %1 how the circles lie (as above), %2 the rule that holds.</extracomment>
        <translation>Die beiden Kreise %1; Regel (%2) gilt.</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Relative position of two circles in R</source>
        <extracomment>The heading; the program adds a superscript two after the final R, the plane (R²).</extracomment>
        <translation>Lage zweier Kreise in der Ebene R</translation>
    </message>
    <message>
        <source>Let us test it for practice..    Click &apos;Next&apos;.</source>
        <extracomment>The introduction&apos;s last line; keep the two full stops and four blanks; &apos;Next&apos; as on the button.</extracomment>
        <translation>Probieren wir es zur Übung aus..    Klicke auf &apos;Vor&apos;.</translation>
    </message>
    <message>
        <source>Author:  lessons@example.org    Mobile:  07700 900461</source>
        <extracomment>The author&apos;s contact line: translate the words &quot;Author&quot; and &quot;Mobile&quot; only.</extracomment>
        <translation>Autor:  lessons@example.org    Mobil:  07700 900461</translation>
    </message>
    <message>
        <source>Suppose that the centre of a circle is P and its radius is r1.</source>
        <extracomment>The introduction&apos;s first sentence. Keep &quot;r1&quot; as written: its digit is set lowered.</extracomment>
        <translation>Der Mittelpunkt eines Kreises sei P und sein Radius r1.</translation>
    </message>
    <message>
        <source>Suppose that in the same plane there is another circle with centre Q and radius r2.</source>
        <extracomment>The introduction&apos;s second sentence. Keep &quot;r2&quot; as written: its digit is set lowered.</extracomment>
        <translation>In derselben Ebene liege ein zweiter Kreis mit Mittelpunkt Q und Radius r2.</translation>
    </message>
    <message>
        <source>Now  select  length  of  radius  r1  and  r2  for  the  circles.</source>
        <extracomment>The first prompt; keep &quot;r1&quot;, &quot;r2&quot; (digits set lowered) and the double blanks.</extracomment>
        <translation>Wähle  jetzt  die  Länge  der  Radien  r1  und  r2  der  Kreise.</translation>
    </message>
    <message>
        <source> Select the distance PQ between  their centers P and Q</source>
        <extracomment>The distance prompt; keep the leading blank and the two after &quot;between&quot;; no full stop.</extracomment>
        <translation> Wähle den Abstand PQ zwischen  ihren Mittelpunkten P und Q</translation>
    </message>
    <message>
        <source>You can rearrange r1 , r2 and PQ</source>
        <extracomment>Once the circles are drawn; keep &quot;r1&quot;, &quot;r2&quot; (digits set lowered) and the blank before &quot;,&quot;.</extracomment>
        <translation>Du kannst r1 , r2 und PQ ändern</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <extracomment>The title of the message that a print failed.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The lesson was not printed: %1.</source>
        <extracomment>%1 is why: one of the reasons below, or the system&apos;s own words.</extracomment>
        <translation>Die Lektion wurde nicht gedruckt: %1.</translation>
    </message>
    <message>
        <source>the printer did not take the page</source>
        <extracomment>Why a print failed, completing &quot;The lesson was not printed: %1.&quot;.</extracomment>
        <translation>der Drucker hat die Seite nicht angenommen</translation>
    </message>
    <message>
        <source>the printer did not take the pages</source>
        <extracomment>Why a print failed, completing &quot;The lesson was not printed: %1.&quot;.</extracomment>
        <translation>der Drucker hat die Seiten nicht angenommen</translation>
    </message>
</context>
<context>
    <name>RuleBoard</name>
    <message>
        <source> (1)  If PQ =  r1 + r2 then the two circles touch each other externally.</source>
        <extracomment>Rule (1) in one fixed-width line; keep the number and formula as written, blanks and all.</extracomment>
        <translation> (1)  Wenn PQ =  r1 + r2, dann berühren sich die Kreise von außen.</translation>
    </message>
    <message>
        <source> (2)  If PQ = | r1 - r2 | then the two circles touch each other internally.</source>
        <extracomment>Rule (2), in one line of a fixed width. Keep the number and the formula as written.</extracomment>
        <translation> (2)  Wenn PQ = | r1 - r2 |, dann berühren sich die Kreise von innen.</translation>
    </message>
    <message>
        <source> (3)  If | r1 - r2 | &lt; PQ &lt; r1 + r2  then the two circles intersect each other in 2 Points.</source>
        <extracomment>Rule (3); keep the number and formulas as written, &quot;| r1 - r2 |&quot; before &quot;r1 + r2&quot;.</extracomment>
        <translation> (3)  Wenn | r1 - r2 | &lt; PQ &lt; r1 + r2,  dann schneiden sich die Kreise in 2 Punkten.</translation>
    </message>
    <message>
        <source> (4)  If PQ &lt; | r1 - r2 |  then the two circles neither intersect nor touch and one of them is inside the other.</source>
        <extracomment>Rule (4), the longest, in one fixed-width line; keep the number and formula as written.</extracomment>
        <translation> (4)  Wenn PQ &lt; | r1 - r2 |,  dann schneiden und berühren sich die Kreise nicht; einer liegt im anderen.</translation>
    </message>
    <message>
        <source> (5)  If PQ &gt; r1 + r2  then the two circles do not intersect or touch and each is outside the other.</source>
        <extracomment>Rule (5) in one fixed-width line; keep the number and the formula &quot;r1 + r2&quot; as written.</extracomment>
        <translation> (5)  Wenn PQ &gt; r1 + r2,  dann schneiden und berühren sie sich nicht; jeder liegt außerhalb.</translation>
    </message>
    <message>
        <source>It  will  be  highlighted  according  to  your  selection  of  r1 ,  r2  and  PQ.</source>
        <extracomment>The note under the rules and the highlight&apos;s tooltip; keep &quot;r1&quot;, &quot;r2&quot;, the double blanks.</extracomment>
        <translation>Sie  wird  nach  deiner  Wahl  von  r1 ,  r2  und  PQ  hervorgehoben.</translation>
    </message>
    <message>
        <source>This rule holds for the circles you chose.</source>
        <extracomment>What a screen reader adds to the rule that holds.</extracomment>
        <translation>Diese Regel gilt für die gewählten Kreise.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Radius r1</source>
        <extracomment>The name a screen reader gives the list of the radius r1; keep &quot;r1&quot; as written.</extracomment>
        <translation>Radius r1</translation>
    </message>
    <message>
        <source>The radius r1 of the circle with centre P, in centimetres</source>
        <translation>Der Radius r1 des Kreises mit Mittelpunkt P, in Zentimetern</translation>
    </message>
    <message>
        <source>Radius r2</source>
        <extracomment>The name a screen reader gives the list of the radius r2; keep &quot;r2&quot; as written.</extracomment>
        <translation>Radius r2</translation>
    </message>
    <message>
        <source>The radius r2 of the circle with centre Q, in centimetres</source>
        <translation>Der Radius r2 des Kreises mit Mittelpunkt Q, in Zentimetern</translation>
    </message>
    <message>
        <source>Distance PQ</source>
        <extracomment>The name a screen reader gives the list of the distance PQ; keep &quot;PQ&quot; as written.</extracomment>
        <translation>Abstand PQ</translation>
    </message>
    <message>
        <source>The distance PQ between the centres P and Q, in centimetres</source>
        <translation>Der Abstand PQ der Mittelpunkte P und Q, in Zentimetern</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A screen reader&apos;s name for the Next button, which may be longer than the button&apos;s label.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Go on to the practice page</source>
        <translation>Weiter zur Übungsseite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Return to the introduction page</source>
        <translation>Zurück zur Einführung</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>The Home button ends the lesson.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>End the lesson</source>
        <translation>Die Lektion beenden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the window</source>
        <translation>Das Fenster drucken</translation>
    </message>
    <message>
        <source>The practice page.</source>
        <extracomment>Spoken by a screen reader when the pupil reaches the practice page.</extracomment>
        <translation>Die Übungsseite.</translation>
    </message>
    <message>
        <source>The introduction page.</source>
        <extracomment>Spoken by a screen reader when the pupil returns to the introduction.</extracomment>
        <translation>Die Einführung.</translation>
    </message>
</context>
<context>
    <name>LessonWindow</name>
    <message>
        <source> Select the distance PQ between  their centers P and Q.</source>
        <translation> Wähle den Abstand PQ zwischen  ihren Mittelpunkten P und Q.</translation>
    </message>
    <message>
        <source>In this Situation one and only one Possibility exists, out of below five..</source>
        <translation>In dieser Lage gilt genau eine der fünf folgenden Möglichkeiten..</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zur.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Chapter 4:  Relative Positions of Two Circles in a Plane.</source>
        <extracomment>The window&apos;s title and its name to a screen reader; the two blanks after the colon stay.</extracomment>
        <translation>Kapitel 4:  Lage zweier Kreise in der Ebene.</translation>
    </message>
</context>
</TS>
