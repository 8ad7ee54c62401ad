<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Glossary</name>
    <message>
        <source></source>
        <comment>Glossário (geometria do ensino fundamental, posições relativas de duas circunferências):
circle = circunferência; radius = raio; centre = centro; distance of the centres = distância entre os centros;
segment PQ = segmento PQ; plane = plano; relative position = posição relativa; rule = regra; point = ponto;
touch externally = ser tangentes externas (exteriormente); touch internally = ser tangentes internas (interiormente);
intersect = ser secantes, cortar-se (em dois pontos); one inside the other = uma é interna à outra (uma dentro da outra);
each outside the other = cada uma é externa à outra; neither intersect nor touch = não ter ponto comum;
select = escolher; highlighted = destacado; holds = vale.
Tratamento: você (alunos). Os símbolos r1, r2, PQ, P, Q e as fórmulas não mudam.
Botões: quatro ou cinco letras no máximo (Próx., Voltar, Sair, Impr.).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>HelpArrow</name>
    <message>
        <source>Double Click any of these 3 buttons and turn mouse wheel.</source>
        <extracomment>The help arrow&apos;s hint, drawn in at most two lines beside the three lists it points at.</extracomment>
        <translation>Clique duas vezes em uma das 3 listas e gire a roda do mouse.</translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>Circle with centre P and radius %1 cm, circle with centre Q and radius %2 cm, centres %3 cm apart.</source>
        <extracomment>The figure as a screen reader says it: %1 and %2 the radii, %3 the distance, all in cm.</extracomment>
        <translation>Circunferência de centro P e raio %1 cm, circunferência de centro Q e raio %2 cm, centros a %3 cm.</translation>
    </message>
    <message>
        <source>touch each other externally</source>
        <extracomment>How the two circles lie, completing &quot;The two circles %1; rule (%2) holds.&quot;.</extracomment>
        <translation>são tangentes externas</translation>
    </message>
    <message>
        <source>touch each other internally</source>
        <translation>são tangentes internas</translation>
    </message>
    <message>
        <source>intersect each other in 2 points</source>
        <translation>se cortam em 2 pontos</translation>
    </message>
    <message>
        <source>neither intersect nor touch and one of them is inside the other</source>
        <translation>não têm ponto comum e uma está dentro da outra</translation>
    </message>
    <message>
        <source>do not intersect or touch and each is outside the other</source>
        <translation>não têm ponto comum e cada uma está fora da outra</translation>
    </message>
    <message>
        <source>The two circles %1; rule (%2) holds.</source>
        <extracomment>The outcome a screen reader says: %1 how the circles lie (as above), %2 the rule that holds.</extracomment>
        <translation>As duas circunferências %1; vale a regra (%2).</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Relative position of two circles in R</source>
        <extracomment>The heading; the program adds a superscript two after the final R, the plane (R²).</extracomment>
        <translation>Posição relativa de duas circunferências em R</translation>
    </message>
    <message>
        <source>Let us test it for practice..    Click &apos;Next&apos;.</source>
        <extracomment>The introduction&apos;s last line; keep the two full stops and four blanks; &apos;Next&apos; as on the button.</extracomment>
        <translation>Vamos praticar..    Clique em &apos;Próx.&apos;</translation>
    </message>
    <message>
        <source>Author:  lessons@example.org    Mobile:  07700 900461</source>
        <extracomment>The author&apos;s contact line: translate the words &quot;Author&quot; and &quot;Mobile&quot; only.</extracomment>
        <translation>Autor:  lessons@example.org    Celular:  07700 900461</translation>
    </message>
    <message>
        <source>Suppose that the centre of a circle is P and its radius is r1.</source>
        <extracomment>The introduction&apos;s first sentence. Keep &quot;r1&quot; as written: its digit is set lowered.</extracomment>
        <translation>Seja P o centro de uma circunferência e r1 o seu raio.</translation>
    </message>
    <message>
        <source>Suppose that in the same plane there is another circle with centre Q and radius r2.</source>
        <extracomment>The introduction&apos;s second sentence. Keep &quot;r2&quot; as written: its digit is set lowered.</extracomment>
        <translation>Seja, no mesmo plano, outra circunferência de centro Q e raio r2.</translation>
    </message>
    <message>
        <source>Now  select  length  of  radius  r1  and  r2  for  the  circles.</source>
        <extracomment>The first prompt; keep &quot;r1&quot;, &quot;r2&quot; (digits set lowered) and the double blanks.</extracomment>
        <translation>Agora  escolha  os  raios  r1  e  r2  das  circunferências.</translation>
    </message>
    <message>
        <source> Select the distance PQ between  their centers P and Q</source>
        <extracomment>The distance prompt; keep the leading blank and the two after &quot;between&quot;; no full stop.</extracomment>
        <translation> Escolha a distância PQ entre  seus centros P e Q</translation>
    </message>
    <message>
        <source>You can rearrange r1 , r2 and PQ</source>
        <extracomment>Once the circles are drawn; keep &quot;r1&quot;, &quot;r2&quot; (digits set lowered) and the blank before &quot;,&quot;.</extracomment>
        <translation>Você pode mudar r1 , r2 e PQ</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <extracomment>The title of the message that a print failed.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The lesson was not printed: %1.</source>
        <extracomment>%1 is why: one of the reasons below, or the system&apos;s own words.</extracomment>
        <translation>A lição não foi impressa: %1.</translation>
    </message>
    <message>
        <source>the printer did not take the page</source>
        <extracomment>Why a print failed, completing &quot;The lesson was not printed: %1.&quot;.</extracomment>
        <translation>a impressora não aceitou a página</translation>
    </message>
    <message>
        <source>the printer did not take the pages</source>
        <extracomment>Why a print failed, completing &quot;The lesson was not printed: %1.&quot;.</extracomment>
        <translation>a impressora não aceitou as páginas</translation>
    </message>
</context>
<context>
    <name>RuleBoard</name>
    <message>
        <source> (1)  If PQ =  r1 + r2 then the two circles touch each other externally.</source>
        <extracomment>Rule (1) in one fixed-width line; keep the number and formula as written, blanks and all.</extracomment>
        <translation> (1)  Se PQ =  r1 + r2, as circunferências são tangentes externas.</translation>
    </message>
    <message>
        <source> (2)  If PQ = | r1 - r2 | then the two circles touch each other internally.</source>
        <extracomment>Rule (2), in one line of a fixed width. Keep the number and the formula as written.</extracomment>
        <translation> (2)  Se PQ = | r1 - r2 |, as circunferências são tangentes internas.</translation>
    </message>
    <message>
        <source> (3)  If | r1 - r2 | &lt; PQ &lt; r1 + r2  then the two circles intersect each other in 2 Points.</source>
        <extracomment>Rule (3); keep the number and formulas as written, &quot;| r1 - r2 |&quot; before &quot;r1 + r2&quot;.</extracomment>
        <translation> (3)  Se | r1 - r2 | &lt; PQ &lt; r1 + r2,  as circunferências se cortam em 2 pontos.</translation>
    </message>
    <message>
        <source> (4)  If PQ &lt; | r1 - r2 |  then the two circles neither intersect nor touch and one of them is inside the other.</source>
        <extracomment>Rule (4), the longest, in one fixed-width line; keep the number and formula as written.</extracomment>
        <translation> (4)  Se PQ &lt; | r1 - r2 |,  as circunferências não têm ponto comum e uma está dentro da outra.</translation>
    </message>
    <message>
        <source> (5)  If PQ &gt; r1 + r2  then the two circles do not intersect or touch and each is outside the other.</source>
        <extracomment>Rule (5) in one fixed-width line; keep the number and the formula &quot;r1 + r2&quot; as written.</extracomment>
        <translation> (5)  Se PQ &gt; r1 + r2,  as circunferências não têm ponto comum e cada uma está fora da outra.</translation>
    </message>
    <message>
        <source>It  will  be  highlighted  according  to  your  selection  of  r1 ,  r2  and  PQ.</source>
        <extracomment>The note under the rules and the highlight&apos;s tooltip; keep &quot;r1&quot;, &quot;r2&quot;, the double blanks.</extracomment>
        <translation>Ela  será  destacada  conforme  a  sua  escolha  de  r1 ,  r2  e  PQ.</translation>
    </message>
    <message>
        <source>This rule holds for the circles you chose.</source>
        <extracomment>What a screen reader adds to the rule that holds.</extracomment>
        <translation>Esta regra vale para as circunferências escolhidas.</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Radius r1</source>
        <extracomment>The name a screen reader gives the list of the radius r1; keep &quot;r1&quot; as written.</extracomment>
        <translation>Raio r1</translation>
    </message>
    <message>
        <source>The radius r1 of the circle with centre P, in centimetres</source>
        <translation>O raio r1 da circunferência de centro P, em centímetros</translation>
    </message>
    <message>
        <source>Radius r2</source>
        <extracomment>The name a screen reader gives the list of the radius r2; keep &quot;r2&quot; as written.</extracomment>
        <translation>Raio r2</translation>
    </message>
    <message>
        <source>The radius r2 of the circle with centre Q, in centimetres</source>
        <translation>O raio r2 da circunferência de centro Q, em centímetros</translation>
    </message>
    <message>
        <source>Distance PQ</source>
        <extracomment>The name a screen reader gives the list of the distance PQ; keep &quot;PQ&quot; as written.</extracomment>
        <translation>Distância PQ</translation>
    </message>
    <message>
        <source>The distance PQ between the centres P and Q, in centimetres</source>
        <translation>A distância PQ entre os centros P e Q, em centímetros</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A screen reader&apos;s name for the Next button, which may be longer than the button&apos;s label.</extracomment>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Go on to the practice page</source>
        <translation>Ir para a página de prática</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Return to the introduction page</source>
        <translation>Voltar para a página de introdução</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>The Home button ends the lesson.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>End the lesson</source>
        <translation>Encerrar a lição</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print the window</source>
        <translation>Imprimir a janela</translation>
    </message>
    <message>
        <source>The practice page.</source>
        <extracomment>Spoken by a screen reader when the pupil reaches the practice page.</extracomment>
        <translation>A página de prática.</translation>
    </message>
    <message>
        <source>The introduction page.</source>
        <extracomment>Spoken by a screen reader when the pupil returns to the introduction.</extracomment>
        <translation>A página de introdução.</translation>
    </message>
</context>
<context>
    <name>LessonWindow</name>
    <message>
        <source> Select the distance PQ between  their centers P and Q.</source>
        <translation> Escolha a distância PQ entre  seus centros P e Q.</translation>
    </message>
    <message>
        <source>In this Situation one and only one Possibility exists, out of below five..</source>
        <translation>Nesta situação vale uma, e só uma, das cinco possibilidades abaixo..</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próx.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Chapter 4:  Relative Positions of Two Circles in a Plane.</source>
        <extracomment>The window&apos;s title and its name to a screen reader; the two blanks after the colon stay.</extracomment>
        <translation>Capítulo 4:  Posições relativas de duas circunferências em um plano.</translation>
    </message>
</context>
</TS>
