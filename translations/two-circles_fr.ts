<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Glossary</name>
    <message>
        <source></source>
        <comment>Glossaire (géométrie du collège, positions relatives de deux cercles) :
circle = cercle ; radius = rayon ; centre = centre ; distance of the centres = distance des centres ;
segment PQ = segment [PQ] (écrit ici PQ) ; plane = plan ; relative position = position relative ; rule = règle ; point = point ;
touch externally = être tangents extérieurement ; touch internally = être tangents intérieurement ;
intersect = être sécants, se couper (en deux points) ; one inside the other = l&apos;un est à l&apos;intérieur de l&apos;autre ;
each outside the other = chacun est à l&apos;extérieur de l&apos;autre ; neither intersect nor touch = n&apos;avoir aucun point commun ;
select = choisir ; highlighted = surligné ; holds = est vérifiée.
Tutoiement (élèves). Les symboles r1, r2, PQ, P, Q et les formules restent tels quels.
Boutons : quatre ou cinq lettres au plus (Suite, Préc., Fin, Impr.).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>HelpArrow</name>
    <message>
        <source>Double Click any of these 3 buttons and turn mouse wheel.</source>
        <extracomment>The help arrow&apos;s hint, drawn in at most two lines beside the three lists it points at.</extracomment>
        <translation>Double-clique sur une des 3 listes et tourne la molette.</translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>Circle with centre P and radius %1 cm, circle with centre Q and radius %2 cm, centres %3 cm apart.</source>
        <extracomment>The figure as a screen reader says it: %1 and %2 the radii, %3 the distance, all in cm.</extracomment>
        <translation>Cercle de centre P et de rayon %1 cm, cercle de centre Q et de rayon %2 cm, centres distants de %3 cm.</translation>
    </message>
    <message>
        <source>touch each other externally</source>
        <extracomment>How the two circles lie, completing &quot;The two circles %1; rule (%2) holds.&quot;.</extracomment>
        <translation>sont tangents extérieurement</translation>
    </message>
    <message>
        <source>touch each other internally</source>
        <translation>sont tangents intérieurement</translation>
    </message>
    <message>
        <source>intersect each other in 2 points</source>
        <translation>se coupent en 2 points</translation>
    </message>
    <message>
        <source>neither intersect nor touch and one of them is inside the other</source>
        <translation>n&apos;ont aucun point commun et l&apos;un est à l&apos;intérieur de l&apos;autre</translation>
    </message>
    <message>
        <source>do not intersect or touch and each is outside the other</source>
        <translation>n&apos;ont aucun point commun et chacun est à l&apos;extérieur de l&apos;autre</translation>
    </message>
    <message>
        <source>The two circles %1; rule (%2) holds.</source>
        <extracomment>The outcome a screen reader says: %1 how the circles lie (as above), %2 the rule that holds.</extracomment>
        <translation>Les deux cercles %1 ; la règle (%2) est vérifiée.</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Relative position of two circles in R</source>
        <extracomment>The heading; the program adds a superscript two after the final R, the plane (R²).</extracomment>
        <translation>Position relative de deux cercles dans R</translation>
    </message>
    <message>
        <source>Let us test it for practice..    Click &apos;Next&apos;.</source>
        <extracomment>The introduction&apos;s last line; keep the two full stops and four blanks; &apos;Next&apos; as on the button.</extracomment>
        <translation>Passons à la pratique..    Clique sur &apos;Suite&apos;.</translation>
    </message>
    <message>
        <source>Author:  lessons@example.org    Mobile:  07700 900461</source>
        <extracomment>The author&apos;s contact line: translate the words &quot;Author&quot; and &quot;Mobile&quot; only.</extracomment>
        <translation>Auteur :  lessons@example.org    Portable :  07700 900461</translation>
    </message>
    <message>
        <source>Suppose that the centre of a circle is P and its radius is r1.</source>
        <extracomment>The introduction&apos;s first sentence. Keep &quot;r1&quot; as written: its digit is set lowered.</extracomment>
        <translation>Soit un cercle de centre P et de rayon r1.</translation>
    </message>
    <message>
        <source>Suppose that in the same plane there is another circle with centre Q and radius r2.</source>
        <extracomment>The introduction&apos;s second sentence. Keep &quot;r2&quot; as written: its digit is set lowered.</extracomment>
        <translation>Soit, dans le même plan, un autre cercle de centre Q et de rayon r2.</translation>
    </message>
    <message>
        <source>Now  select  length  of  radius  r1  and  r2  for  the  circles.</source>
        <extracomment>The first prompt; keep &quot;r1&quot;, &quot;r2&quot; (digits set lowered) and the double blanks.</extracomment>
        <translation>Choisis  maintenant  les  rayons  r1  et  r2  des  cercles.</translation>
    </message>
    <message>
        <source> Select the distance PQ between  their centers P and Q</source>
        <extracomment>The distance prompt; keep the leading blank and the two after &quot;between&quot;; no full stop.</extracomment>
        <translation> Choisis la distance PQ entre  leurs centres P et Q</translation>
    </message>
    <message>
        <source>You can rearrange r1 , r2 and PQ</source>
        <extracomment>Once the circles are drawn; keep &quot;r1&quot;, &quot;r2&quot; (digits set lowered) and the blank before &quot;,&quot;.</extracomment>
        <translation>Tu peux modifier r1 , r2 et PQ</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <extracomment>The title of the message that a print failed.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The lesson was not printed: %1.</source>
        <extracomment>%1 is why: one of the reasons below, or the system&apos;s own words.</extracomment>
        <translation>La leçon n&apos;a pas été imprimée : %1.</translation>
    </message>
    <message>
        <source>the printer did not take the page</source>
        <extracomment>Why a print failed, completing &quot;The lesson was not printed: %1.&quot;.</extracomment>
        <translation>l&apos;imprimante n&apos;a pas accepté la page</translation>
    </message>
    <message>
        <source>the printer did not take the pages</source>
        <extracomment>Why a print failed, completing &quot;The lesson was not printed: %1.&quot;.</extracomment>
        <translation>l&apos;imprimante n&apos;a pas accepté les pages</translation>
    </message>
</context>
<context>
    <name>RuleBoard</name>
    <message>
        <source> (1)  If PQ =  r1 + r2 then the two circles touch each other externally.</source>
        <extracomment>Rule (1) in one fixed-width line; keep the number and formula as written, blanks and all.</extracomment>
        <translation> (1)  Si PQ =  r1 + r2 alors les cercles sont tangents extérieurement.</translation>
    </message>
    <message>
        <source> (2)  If PQ = | r1 - r2 | then the two circles touch each other internally.</source>
        <extracomment>Rule (2), in one line of a fixed width. Keep the number and the formula as written.</extracomment>
        <translation> (2)  Si PQ = | r1 - r2 | alors les cercles sont tangents intérieurement.</translation>
    </message>
    <message>
        <source> (3)  If | r1 - r2 | &lt; PQ &lt; r1 + r2  then the two circles intersect each other in 2 Points.</source>
        <extracomment>Rule (3); keep the number and formulas as written, &quot;| r1 - r2 |&quot; before &quot;r1 + r2&quot;.</extracomment>
        <translation> (3)  Si | r1 - r2 | &lt; PQ &lt; r1 + r2  alors les deux cercles se coupent en 2 points.</translation>
    </message>
    <message>
        <source> (4)  If PQ &lt; | r1 - r2 |  then the two circles neither intersect nor touch and one of them is inside the other.</source>
        <extracomment>Rule (4), the longest, in one fixed-width line; keep the number and formula as written.</extracomment>
        <translation> (4)  Si PQ &lt; | r1 - r2 |  alors les cercles n&apos;ont aucun point commun et l&apos;un est à l&apos;intérieur de l&apos;autre.</translation>
    </message>
    <message>
        <source> (5)  If PQ &gt; r1 + r2  then the two circles do not intersect or touch and each is outside the other.</source>
        <extracomment>Rule (5) in one fixed-width line; keep the number and the formula &quot;r1 + r2&quot; as written.</extracomment>
        <translation> (5)  Si PQ &gt; r1 + r2  alors les cercles n&apos;ont aucun point commun et chacun est à l&apos;extérieur.</translation>
    </message>
    <message>
        <source>It  will  be  highlighted  according  to  your  selection  of  r1 ,  r2  and  PQ.</source>
        <extracomment>The note under the rules and the highlight&apos;s tooltip; keep &quot;r1&quot;, &quot;r2&quot;, the double blanks.</extracomment>
        <translation>Elle  sera  surlignée  selon  ton  choix  de  r1 ,  r2  et  PQ.</translation>
    </message>
    <message>
        <source>This rule holds for the circles you chose.</source>
        <extracomment>What a screen reader adds to the rule that holds.</extracomment>
        <translation>Cette règle est vérifiée pour les cercles choisis.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Radius r1</source>
        <extracomment>The name a screen reader gives the list of the radius r1; keep &quot;r1&quot; as written.</extracomment>
        <translation>Rayon r1</translation>
    </message>
    <message>
        <source>The radius r1 of the circle with centre P, in centimetres</source>
        <translation>Le rayon r1 du cercle de centre P, en centimètres</translation>
    </message>
    <message>
        <source>Radius r2</source>
        <extracomment>The name a screen reader gives the list of the radius r2; keep &quot;r2&quot; as written.</extracomment>
        <translation>Rayon r2</translation>
    </message>
    <message>
        <source>The radius r2 of the circle with centre Q, in centimetres</source>
        <translation>Le rayon r2 du cercle de centre Q, en centimètres</translation>
    </message>
    <message>
        <source>Distance PQ</source>
        <extracomment>The name a screen reader gives the list of the distance PQ; keep &quot;PQ&quot; as written.</extracomment>
        <translation>Distance PQ</translation>
    </message>
    <message>
        <source>The distance PQ between the centres P and Q, in centimetres</source>
        <translation>La distance PQ entre les centres P et Q, en centimètres</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A screen reader&apos;s name for the Next button, which may be longer than the button&apos;s label.</extracomment>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Go on to the practice page</source>
        <translation>Aller à la page d&apos;exercice</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Return to the introduction page</source>
        <translation>Revenir à la page d&apos;introduction</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>The Home button ends the lesson.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>End the lesson</source>
        <translation>Terminer la leçon</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print the window</source>
        <translation>Imprimer la fenêtre</translation>
    </message>
    <message>
        <source>The practice page.</source>
        <extracomment>Spoken by a screen reader when the pupil reaches the practice page.</extracomment>
        <translation>La page d&apos;exercice.</translation>
    </message>
    <message>
        <source>The introduction page.</source>
        <extracomment>Spoken by a screen reader when the pupil returns to the introduction.</extracomment>
        <translation>La page d&apos;introduction.</translation>
    </message>
</context>
<context>
    <name>LessonWindow</name>
    <message>
        <source> Select the distance PQ between  their centers P and Q.</source>
        <translation> Choisis la distance PQ entre  leurs centres P et Q.</translation>
    </message>
    <message>
        <source>In this Situation one and only one Possibility exists, out of below five..</source>
        <translation>Dans ce cas, une et une seule des cinq possibilités ci-dessous est vraie..</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Préc.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Chapter 4:  Relative Positions of Two Circles in a Plane.</source>
        <extracomment>The window&apos;s title and its name to a screen reader; the two blanks after the colon stay.</extracomment>
        <translation>Chapitre 4 :  Positions relatives de deux cercles dans un plan.</translation>
    </message>
</context>
</TS>
