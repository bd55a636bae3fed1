<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 takes no arguments</source>
        <extracomment>%1 is an option of the command line, such as --help.</extracomment>
        <translation>%1 ne prend aucun argument</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The heading of the list of the program&apos;s command lines.</extracomment>
        <translation>Utilisation :</translation>
    </message>
    <message>
        <source>starts the program&apos;s windows</source>
        <translation>ouvre les fenêtres du programme</translation>
    </message>
    <message>
        <source>Exit codes: %1 written, %2 an input refused (the message on standard error), %3 a wrong command line.</source>
        <extracomment>%1, %2 and %3 are the exit codes 0, 1 and 2.</extracomment>
        <translation>Codes de sortie : %1 écrit, %2 une entrée refusée (le message sur la sortie d&apos;erreur standard), %3 une ligne de commande incorrecte.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option typed without its value.</extracomment>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1 (%2 lists them)</source>
        <extracomment>%1 is what was typed for an option, %2 the command line that lists the options.</extracomment>
        <translation>option inconnue %1 (%2 les énumère)</translation>
    </message>
    <message>
        <source>%1 takes %2, %3, %4, %5 or %6</source>
        <extracomment>%1 is an option, %2 to %6 the values it takes.</extracomment>
        <translation>%1 prend %2, %3, %4, %5 ou %6</translation>
    </message>
    <message>
        <source>%1 takes %2, %3 or %4</source>
        <extracomment>%1 is an option, %2 to %4 the values it takes.</extracomment>
        <translation>%1 prend %2, %3 ou %4</translation>
    </message>
    <message>
        <source>%1 takes a version&apos;s code, a capital letter %2 to %3</source>
        <extracomment>%1 is the option --version, %2 and %3 are A and Z.</extracomment>
        <translation>%1 prend le code d&apos;une version, une lettre majuscule de %2 à %3</translation>
    </message>
    <message>
        <source>%1 needs a polynomial</source>
        <extracomment>%1 is the option --plot.</extracomment>
        <translation>%1 demande un polynôme</translation>
    </message>
    <message>
        <source>%1 is %2, each %3 to %4 pixels</source>
        <extracomment>%1 is the option --size, %2 the form of its value, %3 and %4 the smallest and the largest side.</extracomment>
        <translation>%1 s&apos;écrit %2, chaque côté de %3 à %4 pixels</translation>
    </message>
    <message>
        <source>%1 does not take %2</source>
        <extracomment>%1 is the option --plot, %2 an option typed after it.</extracomment>
        <translation>%1 n&apos;accepte pas %2</translation>
    </message>
    <message>
        <source>%1 needs %2 or %3</source>
        <extracomment>%1 is the option --plot, %2 and %3 the options that name its file.</extracomment>
        <translation>%1 demande %2 ou %3</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <extracomment>%1 is the option --seed, %2 and %3 the smallest and the largest seed.</extracomment>
        <translation>%1 prend un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>%1 takes a number of versions from %2 to %3</source>
        <extracomment>%1 is the option --count, %2 and %3 the fewest and the most versions.</extracomment>
        <translation>%1 prend un nombre de versions de %2 à %3</translation>
    </message>
    <message>
        <source>%1 (%2 shows the command)</source>
        <extracomment>%1 says what is wrong with the command line, %2 is the command line that shows the right one.</extracomment>
        <translation>%1 (%2 montre la commande)</translation>
    </message>
    <message>
        <source>%1 needs the sheet file first</source>
        <extracomment>%1 is an option, such as --export.</extracomment>
        <translation>%1 demande d&apos;abord le fichier de la fiche</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 is an option, %2 another option typed after it.</extracomment>
        <translation>%1 n&apos;accepte pas de %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <extracomment>%1 is an option, %2 another option it needs.</extracomment>
        <translation>%1 demande %2</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The sheet has no version %1 (it has no versions)</source>
        <extracomment>%1 is the code of the version asked for, a capital letter.</extracomment>
        <translation>La fiche n&apos;a pas de version %1 (elle n&apos;a aucune version)</translation>
    </message>
    <message>
        <source>The sheet has no version %1 (it has %2)</source>
        <extracomment>%1 is the code of the version asked for, %2 names those it has: &quot;A to C&quot;.</extracomment>
        <translation>La fiche n&apos;a pas de version %1 (elle a %2)</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not calculable</source>
        <translation>Non calculable</translation>
    </message>
    <message>
        <source>Some coefficient %1</source>
        <extracomment>A polynomial result too large to write; %1 is &quot;&gt; Long_Max&quot;.</extracomment>
        <translation>Un coefficient %1</translation>
    </message>
    <message>
        <source>Degree of result %1</source>
        <extracomment>A polynomial result whose degree would pass 9; %1 is &quot;&gt;9&quot;.</extracomment>
        <translation>Degré du résultat %1</translation>
    </message>
    <message>
        <source>Not calculable (long integer overflow).</source>
        <extracomment>Begins with the words of &quot;Not calculable&quot;; keep the final full stop.</extracomment>
        <translation>Non calculable (dépassement d&apos;entier long).</translation>
    </message>
    <message>
        <source>Division by %1 or %2 in any step</source>
        <extracomment>A combined operation of integers that fails; %1 is 0, %2 is &quot;&gt;Long_Max&quot;.</extracomment>
        <translation>Division par %1 ou %2 à une étape</translation>
    </message>
    <message>
        <source>Not calculable (%1)</source>
        <extracomment>Begins with the words of &quot;Not calculable&quot;; %1 is a condition such as &quot;N&lt; 0&quot;.</extracomment>
        <translation>Non calculable (%1)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>OpenDocument text (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Texte OpenDocument (%1)</translation>
    </message>
    <message>
        <source>Plain text (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Texte brut (%1)</translation>
    </message>
    <message>
        <source>Any file (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Tous les fichiers (%1)</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Real roots: %1.</source>
        <extracomment>%1 lists the labels of the real roots: &quot;Real roots: -1/2, 1 (double).&quot;.</extracomment>
        <translation>Racines réelles : %1.</translation>
    </message>
    <message>
        <source>Turning points: none.</source>
        <translation>Extremums : aucun.</translation>
    </message>
    <message>
        <source>double</source>
        <translation>double</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>triple</translation>
    </message>
    <message>
        <source>quadruple</source>
        <translation>quadruple</translation>
    </message>
    <message>
        <source>quintuple</source>
        <translation>quintuple</translation>
    </message>
    <message>
        <source>sextuple</source>
        <translation>sextuple</translation>
    </message>
    <message>
        <source>septuple</source>
        <translation>septuple</translation>
    </message>
    <message>
        <source>octuple</source>
        <translation>octuple</translation>
    </message>
    <message>
        <source>nonuple</source>
        <translation>nonuple</translation>
    </message>
    <message>
        <source>Real roots: every %1 (the polynomial is %2).</source>
        <extracomment>%1 is the variable, x; %2 is 0.</extracomment>
        <translation>Racines réelles : tout réel %1 (le polynôme vaut %2).</translation>
    </message>
    <message>
        <source>Real root: %1.</source>
        <extracomment>%1 is the label of the one real root: &quot;Real root: 1/2.&quot;.</extracomment>
        <translation>Racine réelle : %1.</translation>
    </message>
    <message>
        <source>Real roots: none.</source>
        <translation>Racines réelles : aucune.</translation>
    </message>
    <message>
        <source>Turning point: %1.</source>
        <extracomment>%1 is the label of the one turning point: &quot;Turning point: (0, -1).&quot;.</extracomment>
        <translation>Extremum : %1.</translation>
    </message>
    <message>
        <source>Turning points: %1.</source>
        <extracomment>%1 lists the labels of the turning points.</extracomment>
        <translation>Extremums : %1.</translation>
    </message>
    <message>
        <source>Stationary point of inflection: %1.</source>
        <extracomment>%1 is the label of the one stationary point of inflection: &quot;... (0, 0).&quot;.</extracomment>
        <translation>Point d&apos;inflexion à tangente horizontale : %1.</translation>
    </message>
    <message>
        <source>Stationary points of inflection: %1.</source>
        <extracomment>%1 lists the labels of the stationary points of inflection.</extracomment>
        <translation>Points d&apos;inflexion à tangente horizontale : %1.</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <extracomment>What the trace shows on a root; %1 is its label: &quot;Root: 1 (double)&quot;.</extracomment>
        <translation>Racine : %1</translation>
    </message>
    <message>
        <source>root: %1</source>
        <extracomment>The same after another mark of the point: &quot;Turning point: (1, 0); root: 1&quot;.</extracomment>
        <translation>racine : %1</translation>
    </message>
    <message>
        <source>Turning point: %1</source>
        <extracomment>What the trace shows on a turning point; %1 is its label: &quot;Turning point: (0, -1)&quot;.</extracomment>
        <translation>Extremum : %1</translation>
    </message>
    <message>
        <source>turning point: %1</source>
        <extracomment>The same after another mark of the point: &quot;Root: 1 (double); turning point: (1, 0)&quot;.</extracomment>
        <translation>extremum : %1</translation>
    </message>
    <message>
        <source>Stationary point of inflection: %1</source>
        <extracomment>What the trace shows on a stationary point of inflection; %1 is its label.</extracomment>
        <translation>Point d&apos;inflexion à tangente horizontale : %1</translation>
    </message>
    <message>
        <source>stationary point of inflection: %1</source>
        <extracomment>The same after another mark of the point: &quot;Root: 0 (triple); stationary point...&quot;.</extracomment>
        <translation>point d&apos;inflexion à tangente horizontale : %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>The guide is missing.</source>
        <translation>Le guide est introuvable.</translation>
    </message>
</context>
<context>
    <name>Integers</name>
    <message>
        <source>%1 isn&apos;t a valid basis</source>
        <extracomment>%1 is the number typed as a basis.</extracomment>
        <translation>%1 n&apos;est pas une base valide</translation>
    </message>
    <message>
        <source>infinite</source>
        <extracomment>The quotient n1/n2 shown for n2 = 0.</extracomment>
        <translation>infini</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>List full (%1 numbers)</source>
        <extracomment>%1 is the capacity of the list (23).</extracomment>
        <translation>Liste pleine (%1 nombres)</translation>
    </message>
    <message>
        <source>List full (%1 fractions)</source>
        <extracomment>%1 is the capacity of the list (22).</extracomment>
        <translation>Liste pleine (%1 fractions)</translation>
    </message>
    <message>
        <source>List full (%1 polynomials)</source>
        <extracomment>%1 is the capacity of the list (24).</extracomment>
        <translation>Liste pleine (%1 polynômes)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Wrong entry</source>
        <extracomment>The caption of a message about something typed that cannot be taken, and the text a combined operation of fractions ends with when it fails.</extracomment>
        <translation>Saisie incorrecte</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 is the name of the file.</extracomment>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 is the name of the file.</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>An unexpected error stopped this command</source>
        <translation>Une erreur inattendue a interrompu cette commande</translation>
    </message>
</context>
<context>
    <name>Notation</name>
    <message>
        <source>hcd</source>
        <extracomment>Highest common divisor, written before brackets: hcd(12,18) = 6. Your language&apos;s usual abbreviation, in every text that shows it.</extracomment>
        <translation>pgcd</translation>
    </message>
    <message>
        <source>LCM</source>
        <extracomment>Lowest common multiple, written before brackets: LCM(4,6) = 12. Your language&apos;s usual abbreviation, in every text that shows it.</extracomment>
        <translation>ppcm</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 is the text typed where an integer belongs, as typed; keep the quotes around it.</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un entier valide</translation>
    </message>
</context>
<context>
    <name>Polynomials</name>
    <message>
        <source>Not divisible polynomials</source>
        <translation>Polynômes non divisibles</translation>
    </message>
    <message>
        <source>exponent should be %1 integer</source>
        <extracomment>%1 is &quot;&gt;1&quot;: the exponent must be an integer greater than 1.</extracomment>
        <translation>l&apos;exposant doit être un entier %1</translation>
    </message>
    <message>
        <source>WHAT IS IT?</source>
        <extracomment>An evaluation that ended in a way the program does not know; shouted on purpose.</extracomment>
        <translation>QU&apos;EST-CE QUE C&apos;EST ?</translation>
    </message>
    <message>
        <source>Not a rational polynomial</source>
        <translation>Pas un polynôme rationnel</translation>
    </message>
</context>
<context>
    <name>ProblemParams</name>
    <message>
        <source>is not a fraction</source>
        <extracomment>After the name of a field: &quot;f2 is not a fraction&quot;.</extracomment>
        <translation>n&apos;est pas une fraction</translation>
    </message>
    <message>
        <source>cannot be calculated</source>
        <extracomment>After the name of a field: &quot;expression cannot be calculated&quot;.</extracomment>
        <translation>n&apos;est pas calculable</translation>
    </message>
    <message>
        <source>has no texts to make</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind has no texts to make&quot; (a typed problem).</extracomment>
        <translation>ne produit aucun texte</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <extracomment>After the name of a field: &quot;basis must be from 2 to 201&quot;.</extracomment>
        <translation>doit aller de %1 à %2</translation>
    </message>
    <message>
        <source>must hold from %1 to %2 items</source>
        <extracomment>After the name of a list: &quot;numbers must hold from 2 to 23 items&quot;.</extracomment>
        <translation>doit contenir de %1 à %2 éléments</translation>
    </message>
    <message>
        <source>is empty</source>
        <extracomment>After the name of a field: &quot;expression is empty&quot;.</extracomment>
        <translation>est vide</translation>
    </message>
    <message>
        <source>has denominator %1</source>
        <extracomment>After the name of a field: &quot;f1 has denominator 0&quot;; %1 is 0.</extracomment>
        <translation>a pour dénominateur %1</translation>
    </message>
    <message>
        <source>is not a rational polynomial</source>
        <extracomment>After the name of a field: &quot;a is not a rational polynomial&quot;.</extracomment>
        <translation>n&apos;est pas un polynôme rationnel</translation>
    </message>
    <message>
        <source>has no sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind has no sections&quot;.</extracomment>
        <translation>n&apos;a aucune section</translation>
    </message>
    <message>
        <source>mixes themes</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind mixes themes&quot; (integers with fractions...).</extracomment>
        <translation>mélange les thèmes</translation>
    </message>
    <message>
        <source>needs both fraction sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind needs both fraction sections&quot;.</extracomment>
        <translation>demande les deux sections de fractions</translation>
    </message>
    <message>
        <source>needs the pair and combined sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind needs the pair and combined sections&quot;.</extracomment>
        <translation>demande les sections de la paire et de l&apos;opération combinée</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field and what is wrong with it: &quot;f2 is not a fraction&quot;. %1 is the field&apos;s name as the files write it (kept as it is), %2 the reason (&quot;is not a fraction&quot;); order them and add words as your language needs.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>If %1 and %2, calculate:</source>
        <extracomment>%1 and %2 give the fractions: &quot;f1= 1/2&quot;, &quot;f2= 3/4&quot;. The operations follow.</extracomment>
        <translation>Si %1 et %2, calculer :</translation>
    </message>
    <message>
        <source>Calculate (if possible) for %1 :</source>
        <extracomment>%1 is &quot;N = &quot; and a number; keep the blank before the colon.</extracomment>
        <translation>Calculer (si possible) pour %1 :</translation>
    </message>
    <message>
        <source>Factorization of %1</source>
        <extracomment>%1 is the name of the number, N.</extracomment>
        <translation>Factorisation de %1</translation>
    </message>
    <message>
        <source>%1 factorial (%2)</source>
        <extracomment>%1 is the name of the number, N; %2 its factorial, N!.</extracomment>
        <translation>Factorielle de %1 (%2)</translation>
    </message>
    <message>
        <source>The expressions of %1 in hexadecimal,binary,octal and %2 basis</source>
        <extracomment>%1 is the name of the number, N; %2 a basis from 2 to 201.</extracomment>
        <translation>L&apos;écriture de %1 en hexadécimal, en binaire, en octal et en base %2</translation>
    </message>
    <message>
        <source>Factorization: %1</source>
        <extracomment>%1 is the factorization written out.</extracomment>
        <translation>Factorisation : %1</translation>
    </message>
    <message>
        <source>Expression in other basis:</source>
        <translation>Écriture dans d&apos;autres bases :</translation>
    </message>
    <message>
        <source>Hexadecimal, %1</source>
        <extracomment>%1 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Hexadécimal, %1</translation>
    </message>
    <message>
        <source>Binary, %1</source>
        <extracomment>%1 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Binaire, %1</translation>
    </message>
    <message>
        <source>Octal, %1</source>
        <extracomment>%1 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Octal, %1</translation>
    </message>
    <message>
        <source>Basis %1, %2</source>
        <extracomment>%1 is the basis, a number; %2 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Base %1, %2</translation>
    </message>
    <message>
        <source>If %1 calculate:</source>
        <extracomment>%1 gives the numbers: &quot;a= 12 b= 18&quot;.</extracomment>
        <translation>Si %1, calculer :</translation>
    </message>
    <message>
        <source>Calculate the %1 and %2 of %3</source>
        <extracomment>%1 and %2 are the names of the hcd and the LCM (as translated in Notation); %3 the numbers.</extracomment>
        <translation>Calculer le %1 et le %2 de %3</translation>
    </message>
    <message>
        <source>For the poynomial %1 calculate:</source>
        <extracomment>%1 is the polynomial. &quot;poynomial&quot; is the program&apos;s own spelling in English; write your language&apos;s word.</extracomment>
        <translation>Pour le polynôme %1, calculer :</translation>
    </message>
    <message>
        <source>Its value for %1</source>
        <extracomment>%1 is &quot;x= &quot; and the point.</extracomment>
        <translation>Sa valeur pour %1</translation>
    </message>
    <message>
        <source>Its integer roots (if any)</source>
        <translation>Ses racines entières (s&apos;il y en a)</translation>
    </message>
    <message>
        <source>Its factorization.</source>
        <translation>Sa factorisation.</translation>
    </message>
    <message>
        <source>Its derivative.</source>
        <translation>Sa dérivée.</translation>
    </message>
    <message>
        <source>Its integral.</source>
        <translation>Sa primitive.</translation>
    </message>
    <message>
        <source>Integer roots: %1</source>
        <extracomment>%1 lists the roots.</extracomment>
        <translation>Racines entières : %1</translation>
    </message>
    <message>
        <source>Derivative: %1</source>
        <extracomment>%1 is the derivative.</extracomment>
        <translation>Dérivée : %1</translation>
    </message>
    <message>
        <source>Integral: %1</source>
        <extracomment>%1 is the integral.</extracomment>
        <translation>Primitive : %1</translation>
    </message>
    <message>
        <source>For the poynomials</source>
        <extracomment>&quot;poynomials&quot; is the program&apos;s own spelling in English; write your language&apos;s word.</extracomment>
        <translation>Pour les polynômes</translation>
    </message>
    <message>
        <source>calculate: %1</source>
        <extracomment>%1 lists the operations: &quot;A+B, A-B, ...&quot;.</extracomment>
        <translation>calculer : %1</translation>
    </message>
    <message>
        <source>Calculate %1 , being:</source>
        <extracomment>%1 is the expression; the values of its letters follow on the next lines.</extracomment>
        <translation>Calculer %1, avec :</translation>
    </message>
    <message>
        <source>Question:</source>
        <extracomment>The heading of the question in a problem file.</extracomment>
        <translation>Question :</translation>
    </message>
    <message>
        <source>Answer:</source>
        <extracomment>The heading of the answer in a problem file.</extracomment>
        <translation>Réponse :</translation>
    </message>
    <message>
        <source>If %1, calculate %2</source>
        <extracomment>%1 gives the values of the letters (&quot; a= 5 b= 3&quot;, beginning with blanks); %2 is the expression to calculate.</extracomment>
        <translation>Si %1, calculer %2</translation>
    </message>
    <message>
        <source>Calculate %1</source>
        <extracomment>%1 is the expression to calculate.</extracomment>
        <translation>Calculer %1</translation>
    </message>
    <message>
        <source>Working:</source>
        <extracomment>The heading of the steps after an answer.</extracomment>
        <translation>Étapes du calcul :</translation>
    </message>
</context>
<context>
    <name>Ranges</name>
    <message>
        <source>must lie within %1 to %2</source>
        <extracomment>After the key of a range [start, end]: &quot;degree must lie within 0 to 9&quot;.</extracomment>
        <translation>doit rester entre %1 et %2</translation>
    </message>
    <message>
        <source>starts above its end (%1 &gt; %2)</source>
        <extracomment>After the key of a range [start, end]: &quot;coef starts above its end (2 &gt; -2)&quot;; %1 is the start, %2 the end.</extracomment>
        <translation>commence au-dessus de sa fin (%1 &gt; %2)</translation>
    </message>
    <message>
        <source>is below %1 (%2 &lt; %3)</source>
        <extracomment>After the key max: &quot;max is below min (3 &lt; 5)&quot;; %1 is the key min, %2 max&apos;s value, %3 min&apos;s.</extracomment>
        <translation>est inférieur à %1 (%2 &lt; %3)</translation>
    </message>
    <message>
        <source>leaves only %1 to draw, and %2 is never %1</source>
        <extracomment>After the key max: &quot;max leaves only 0 to draw, and b is never 0&quot;; %1 is 0, %2 the name of the divisor b.</extracomment>
        <translation>ne laisse tirer que %1, et %2 ne vaut jamais %1</translation>
    </message>
    <message>
        <source>of %1 needs a number of %2 or more in magnitude; %3 and %4 allow at most %5</source>
        <extracomment>After the key euclid_steps: &quot;euclid_steps of 5 needs a number of 13 or more in magnitude; min and max allow at most 12&quot;. %1 is the steps, %2 the least number, %3 and %4 the keys min and max, %5 the largest number they allow.</extracomment>
        <translation>valant %1 demande un nombre d&apos;au moins %2 en valeur absolue ; %3 et %4 permettent au plus %5</translation>
    </message>
    <message>
        <source>holds only %1, and a leading coefficient is never %1</source>
        <extracomment>After the key lead: &quot;lead holds only 0, and a leading coefficient is never 0&quot;; %1 is 0.</extracomment>
        <translation>ne contient que %1, et un coefficient dominant ne vaut jamais %1</translation>
    </message>
    <message>
        <source>starts at %1, and the integral of a polynomial of degree %1 is beyond degree %1</source>
        <extracomment>After the key degree: &quot;degree starts at 9, and the integral of a polynomial of degree 9 is beyond degree 9&quot;; %1 is 9.</extracomment>
        <translation>commence à %1, et la primitive d&apos;un polynôme de degré %1 dépasse le degré %1</translation>
    </message>
    <message>
        <source>starts at %1, and the product of two polynomials of that degree is beyond degree %2</source>
        <extracomment>After the key degree: &quot;degree starts at 5, and the product of two polynomials of that degree is beyond degree 9&quot;; %1 is the start, %2 is 9.</extracomment>
        <translation>commence à %1, et le produit de deux polynômes de ce degré dépasse le degré %2</translation>
    </message>
    <message>
        <source>needs a degree of %1 or more; %2 goes up to %3</source>
        <extracomment>After the key common_factor: &quot;common_factor needs a degree of 1 or more; degree goes up to 0&quot;; %1 is 1, %2 the key degree, %3 its end.</extracomment>
        <translation>demande un degré d&apos;au moins %1 ; %2 va jusqu&apos;à %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A span of numbers or of versions: &quot;-8 to 8&quot;, &quot;A to D&quot;.</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>is not a range of %1 problems</source>
        <extracomment>After the key of a range: &quot;proper is not a range of polynomial-single problems&quot;; %1 is the kind&apos;s name as the files write it.</extracomment>
        <translation>n&apos;est pas un intervalle des exercices %1</translation>
    </message>
    <message>
        <source>Smallest number</source>
        <translation>Plus petit nombre</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Plus grand nombre</translation>
    </message>
    <message>
        <source>Divisions of Euclid&apos;s algorithm (empty: any)</source>
        <extracomment>Empty: the field may be left empty, for any number of divisions.</extracomment>
        <translation>Divisions de l&apos;algorithme d&apos;Euclide (vide : quelconque)</translation>
    </message>
    <message>
        <source>Largest numerator</source>
        <translation>Plus grand numérateur</translation>
    </message>
    <message>
        <source>Largest denominator</source>
        <translation>Plus grand dénominateur</translation>
    </message>
    <message>
        <source>Proper fractions only</source>
        <translation>Fractions propres seulement</translation>
    </message>
    <message>
        <source>Degree</source>
        <extracomment>The degree of the polynomials drawn.</extracomment>
        <translation>Degré</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <extracomment>The coefficients of the polynomials drawn, but the leading one.</extracomment>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>Leading coefficient</source>
        <translation>Coefficient dominant</translation>
    </message>
    <message>
        <source>Built from integer roots</source>
        <translation>Construit à partir de racines entières</translation>
    </message>
    <message>
        <source>Integer roots</source>
        <translation>Racines entières</translation>
    </message>
    <message>
        <source>Point of the value</source>
        <extracomment>The number x at which a polynomial&apos;s value is asked for.</extracomment>
        <translation>Point d&apos;évaluation</translation>
    </message>
    <message>
        <source>%1 and %2 share a factor</source>
        <extracomment>A and B are the names of the two polynomials of the problem.</extracomment>
        <translation>%1 et %2 ont un facteur commun</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <extracomment>After the key of a range: &quot;min must be a whole number from -2147483646 to 2147483646&quot;.</extracomment>
        <translation>doit être un nombre entier de %1 à %2</translation>
    </message>
</context>
<context>
    <name>Renewal</name>
    <message>
        <source>no pair within %1 and %2 (%3) takes exactly %4 divisions of Euclid&apos;s algorithm. Widen %1 and %2, or lower %5.</source>
        <extracomment>%1 and %2 are the keys min and max, %3 their span (&quot;50 to 60&quot;), %4 a number of divisions, %5 the key euclid_steps.</extracomment>
        <translation>aucune paire entre %1 et %2 (%3) ne demande exactement %4 divisions dans l&apos;algorithme d&apos;Euclide. Élargissez %1 et %2, ou diminuez %5.</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;) within %2 and %3 (%4). Narrow %2 and %3.</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys min and max, %4 their span (&quot;200 to 300&quot;).</extracomment>
        <translation>chaque tirage entre %2 et %3 (%4) a donné un résultat que le programme ne peut pas afficher (un dépassement ou « %1 »). Réduisez %2 et %3.</translation>
    </message>
    <message>
        <source>the program refused every draw (%1) within %2 and %3 (%4). Change %2 and %3.</source>
        <extracomment>%1 is why the program refused the last draw (&quot;expression cannot be calculated&quot;); %2 and %3 are the keys min and max, %4 their span (&quot;1 to 30&quot;).</extracomment>
        <translation>le programme a refusé tous les tirages (%1) entre %2 et %3 (%4). Modifiez %2 et %3.</translation>
    </message>
    <message>
        <source>%1 and %2 (%3 and %4) leave too few different fractions for a list of %5. Widen %1 and %2.</source>
        <extracomment>%1 and %2 are the keys max_num and max_den, %3 and %4 their values, %5 the size of the list.</extracomment>
        <translation>%1 et %2 (%3 et %4) laissent trop peu de fractions différentes pour une liste de %5. Élargissez %1 et %2.</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;). Narrow %2 and %3 (%4 and %5).</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys max_num and max_den, %4 and %5 their values.</extracomment>
        <translation>chaque tirage a donné un résultat que le programme ne peut pas afficher (un dépassement ou « %1 »). Réduisez %2 et %3 (%4 et %5).</translation>
    </message>
    <message>
        <source>the program refused every draw (%1). Change %2 and %3 (%4 and %5).</source>
        <extracomment>%1 is why the program refused the last draw; %2 and %3 are the keys max_num and max_den, %4 and %5 their values.</extracomment>
        <translation>le programme a refusé tous les tirages (%1). Modifiez %2 et %3 (%4 et %5).</translation>
    </message>
    <message>
        <source>every draw gave a result of degree above %1 (&quot;%2&quot;). Lower the top of %3 (now %4).</source>
        <extracomment>%1 is 9, %2 the text &quot;Degree of result &gt;9&quot; as the windows show it, %3 the key degree, %4 the top of its range.</extracomment>
        <translation>chaque tirage a donné un résultat de degré supérieur à %1 (« %2 »). Abaissez la borne supérieure de %3 (actuellement %4).</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;). Narrow %2 and %3 (%4, %5), or lower %6.</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys lead and coef (or roots), %4 and %5 their spans (&quot;1 to 9&quot;), %6 the key degree.</extracomment>
        <translation>chaque tirage a donné un résultat que le programme ne peut pas afficher (un dépassement ou « %1 »). Réduisez %2 et %3 (%4, %5), ou abaissez %6.</translation>
    </message>
    <message>
        <source>the program refused every draw (%1). Change %2 (%3) or %4 and %5 (%6, %7).</source>
        <extracomment>%1 is why the program refused the last draw; %2 is the key degree, %3 its span; %4 and %5 are the keys lead and coef (or roots), %6 and %7 their spans.</extracomment>
        <translation>le programme a refusé tous les tirages (%1). Modifiez %2 (%3) ou %4 et %5 (%6, %7).</translation>
    </message>
    <message>
        <source>the program refused every draw (%1).</source>
        <extracomment>%1 is why the program refused the last draw.</extracomment>
        <translation>le programme a refusé tous les tirages (%1).</translation>
    </message>
    <message>
        <source>%1 to %2 (%3) holds fewer than the %4 different numbers of the list. Widen %1 and %2.</source>
        <extracomment>%1 and %2 are the keys min and max, %3 their span (&quot;1 to 3&quot;), %4 the size of the list.</extracomment>
        <translation>l&apos;intervalle de %1 à %2 (%3) contient moins de nombres différents que les %4 de la liste. Élargissez %1 et %2.</translation>
    </message>
    <message>
        <source>No new numbers after %1 draws: %2</source>
        <extracomment>%1 is the number of draws made, %2 the advice: what went wrong and which range to change.</extracomment>
        <translation>Aucun nouveau nombre après %1 tirages : %2</translation>
    </message>
    <message>
        <source>Problem %1: %2</source>
        <extracomment>A refusal of a problem of the sheet: %1 is its number, from 1, %2 the message.</extracomment>
        <translation>Exercice %1 : %2</translation>
    </message>
    <message>
        <source>The number of versions must be from %1 to %2.</source>
        <extracomment>%1 and %2 are the fewest and the most versions.</extracomment>
        <translation>Le nombre de versions doit aller de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>Roots</name>
    <message>
        <source>all</source>
        <extracomment>The integer roots of the zero polynomial: every integer is one.</extracomment>
        <translation>toutes</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No integer roots.</extracomment>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>Themes</name>
    <message>
        <source>Working</source>
        <extracomment>The hint of the button beside a panel&apos;s problem button that shows the working of its results, step by step.</extracomment>
        <translation>Étapes du calcul</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>The menu of problems, and the hint of the button that makes the problem of a panel.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Binary operations</source>
        <translation>Opérations binaires</translation>
    </message>
    <message>
        <source>Combined operation</source>
        <translation>Opération combinée</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The command of the Problem menu that makes a problem of every panel.</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>rst</source>
        <extracomment>A short caption (&quot;reset&quot;) of a narrow button that clears a list or the entry.</extracomment>
        <translation>raz</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Letters of the list</source>
        <extracomment>The column of letters (A, B, ...) that names the items of the list.</extracomment>
        <translation>Lettres de la liste</translation>
    </message>
    <message>
        <source>Expression</source>
        <extracomment>The field where an operation on the list&apos;s letters is typed.</extracomment>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The value a combined operation gives.</extracomment>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>The expression with the values of the list</source>
        <extracomment>The expression of a combined operation with the values of the list&apos;s letters put in.</extracomment>
        <translation>L&apos;expression avec les valeurs de la liste</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Cannot start %1</source>
        <extracomment>%1 is the command line of the tool.</extracomment>
        <translation>Impossible de lancer %1</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>%1 more step</source>
        <extracomment>After a working cut short: %1 is the number of steps left out (1).</extracomment>
        <translation>%1 étape de plus</translation>
    </message>
    <message>
        <source>%1 more steps</source>
        <extracomment>After a working cut short: %1 is the number of steps left out (2 or more).</extracomment>
        <translation>%1 étapes de plus</translation>
    </message>
    <message>
        <source>%1: nested too deeply</source>
        <extracomment>%1 is the part of an expression that has too many brackets inside brackets.</extracomment>
        <translation>%1 : trop de parenthèses imbriquées</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the part of an expression that is no number or operation.</extracomment>
        <translation>%1 : illisible</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the part of an expression that fails, %2 why: &quot;A/B: Not divisible polynomials&quot;.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: denominator %2</source>
        <extracomment>%1 is a fraction or an operation of fractions with a denominator 0; %2 is 0.</extracomment>
        <translation>%1 : dénominateur %2</translation>
    </message>
    <message>
        <source>%1: %2, already in lowest terms</source>
        <extracomment>%1 is a fraction, %2 says its numerator and denominator have no common divisor: &quot;3/4: hcd(3,4) = 1, already in lowest terms&quot;.</extracomment>
        <translation>%1 : %2, déjà irréductible</translation>
    </message>
    <message>
        <source>%1, kept as %2</source>
        <extracomment>%1 is a simplification that cannot be written (&quot;... &gt; LONG_MAX&quot;), %2 the fraction as typed.</extracomment>
        <translation>%1, gardée sous la forme %2</translation>
    </message>
    <message>
        <source>%1, %2: not two fractions</source>
        <extracomment>%1 and %2 are the two texts typed as fractions.</extracomment>
        <translation>%1, %2 : pas deux fractions</translation>
    </message>
    <message>
        <source>%1 has no prime factorization</source>
        <extracomment>%1 is 0.</extracomment>
        <translation>%1 n&apos;a pas de factorisation en facteurs premiers</translation>
    </message>
    <message>
        <source>%1 has no prime factor</source>
        <extracomment>%1 is 1.</extracomment>
        <translation>%1 n&apos;a aucun facteur premier</translation>
    </message>
    <message>
        <source>%1 (basis %2)</source>
        <extracomment>%1 is a number written in another basis (&quot;255 = FF&quot;), %2 that basis (16).</extracomment>
        <translation>%1 (base %2)</translation>
    </message>
    <message>
        <source>%1: root</source>
        <extracomment>%1 shows a value 0 of the polynomial: &quot;P(2) = 0&quot;.</extracomment>
        <translation>%1 : racine</translation>
    </message>
    <message>
        <source>%1: a coefficient %2</source>
        <extracomment>%1 is a step of a polynomial calculation, %2 is &quot;&gt; LONG_MAX&quot;.</extracomment>
        <translation>%1 : un coefficient %2</translation>
    </message>
    <message>
        <source>%1, multiplicity of %2: %3</source>
        <extracomment>%1 shows the value of the polynomial at a root after dividing it out (&quot;P(2) = 3&quot;), %2 is the root, %3 how many times it is one.</extracomment>
        <translation>%1, multiplicité de %2 : %3</translation>
    </message>
    <message>
        <source>%1 has a lower degree than %2</source>
        <extracomment>%1 and %2 are polynomials.</extracomment>
        <translation>%1 est de degré inférieur à %2</translation>
    </message>
    <message>
        <source>%1: every number is a root</source>
        <extracomment>%1 is &quot;P = 0&quot;.</extracomment>
        <translation>%1 : tout nombre est racine</translation>
    </message>
    <message>
        <source>%1: an integer multiple passes %2</source>
        <extracomment>%1 is &quot;P = &quot; and the polynomial, %2 is LONG_MAX.</extracomment>
        <translation>%1 : un multiple entier dépasse %2</translation>
    </message>
    <message>
        <source>constant term %1, divisors tried: %2</source>
        <extracomment>%1 is the constant term of the polynomial, %2 its divisors: &quot;±1, ±2&quot;.</extracomment>
        <translation>terme constant %1, diviseurs essayés : %2</translation>
    </message>
    <message>
        <source>roots: %1</source>
        <extracomment>%1 lists the integer roots.</extracomment>
        <translation>racines : %1</translation>
    </message>
    <message>
        <source>%1: degree %2</source>
        <extracomment>%1 is the integral asked for, %2 the degree it would have: &quot;10 &gt; 9&quot;.</extracomment>
        <translation>%1 : degré %2</translation>
    </message>
    <message>
        <source>%1: division by %2</source>
        <extracomment>%1 is the division that fails (&quot;12 ÷ 0&quot;), %2 is 0.</extracomment>
        <translation>%1 : division par %2</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>Version %1</source>
        <extracomment>The heading of one version of a sheet: %1 is its code, a capital letter.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Name: ____  Date: ____</source>
        <extracomment>The line where a student writes a name and the date; the underscores are the room to write in.</extracomment>
        <translation>Nom : ____  Date : ____</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>version %1</source>
        <extracomment>Where a worksheet file is at fault: &quot;version B, problem 2, field &quot;f1&quot;&quot;. %1 is a version&apos;s code.</extracomment>
        <translation>version %1</translation>
    </message>
    <message>
        <source>problem %1</source>
        <extracomment>%1 is the problem&apos;s number, from 1.</extracomment>
        <translation>exercice %1</translation>
    </message>
    <message>
        <source>field &quot;%1&quot;</source>
        <extracomment>%1 is the field&apos;s name as the file writes it.</extracomment>
        <translation>champ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be an object { ... }</source>
        <translation>doit être un objet { ... }</translation>
    </message>
    <message>
        <source>must be a list [ ... ]</source>
        <translation>doit être une liste [ ... ]</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>doit valoir true ou false</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>est absent</translation>
    </message>
    <message>
        <source>must be a text in double quotes</source>
        <translation>doit être un texte entre guillemets droits</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>doit être un entier de %1 à %2</translation>
    </message>
    <message>
        <source>item %1 must be an integer</source>
        <extracomment>%1 is the number of an item of a list, from 1.</extracomment>
        <translation>l&apos;élément %1 doit être un entier</translation>
    </message>
    <message>
        <source>item %1 must be a text in double quotes</source>
        <extracomment>%1 is the number of an item of a list, from 1.</extracomment>
        <translation>l&apos;élément %1 doit être un texte entre guillemets droits</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>dépasse %1 caractères</translation>
    </message>
    <message>
        <source>must be a pair [lo, hi] of whole numbers from %1 to %2</source>
        <extracomment>After the key of a range; lo and hi stand for its start and end.</extracomment>
        <translation>doit être une paire [début, fin] de nombres entiers de %1 à %2</translation>
    </message>
    <message>
        <source>is not a field of ranges</source>
        <translation>n&apos;est pas un champ des intervalles</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of problem</source>
        <extracomment>%1 is the kind the file names.</extracomment>
        <translation>&quot;%1&quot; n&apos;est pas un type d&apos;exercice</translation>
    </message>
    <message>
        <source>is not a field of the params of %1</source>
        <extracomment>%1 is the kind of the problem, as the file names it.</extracomment>
        <translation>n&apos;est pas un champ des paramètres de %1</translation>
    </message>
    <message>
        <source>is not a field of a problem</source>
        <translation>n&apos;est pas un champ d&apos;un exercice</translation>
    </message>
    <message>
        <source>is missing (a text problem has only its texts)</source>
        <translation>est absent (un exercice texte n&apos;a que ses textes)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one capital letter %2 to %3</source>
        <extracomment>%1 is the code the file gives; %2 and %3 are A and Z.</extracomment>
        <translation>&quot;%1&quot; doit être une seule lettre majuscule de %2 à %3</translation>
    </message>
    <message>
        <source>version %1 is there twice</source>
        <extracomment>%1 is a version&apos;s code.</extracomment>
        <translation>la version %1 figure deux fois</translation>
    </message>
    <message>
        <source>is not a field of a version</source>
        <translation>n&apos;est pas un champ d&apos;une version</translation>
    </message>
    <message>
        <source>not a Tessaro worksheet (no { ... } around it)</source>
        <translation>pas une fiche d&apos;exercices Tessaro (pas de { ... } autour)</translation>
    </message>
    <message>
        <source>not a Tessaro worksheet (field &quot;%1&quot; must be &quot;%2&quot;)</source>
        <extracomment>%1 is the key format, %2 the value it must have; both as the file writes them.</extracomment>
        <translation>pas une fiche d&apos;exercices Tessaro (le champ &quot;%1&quot; doit valoir &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>must be a whole number from %1</source>
        <extracomment>%1 is 1, the first version of the file&apos;s form.</extracomment>
        <translation>doit être un nombre entier à partir de %1</translation>
    </message>
    <message>
        <source>the file is of a newer version than this program reads (%1); a newer Tessaro opens it</source>
        <extracomment>%1 is the newest version of the file&apos;s form the program reads.</extracomment>
        <translation>le fichier est d&apos;une version plus récente que celles que ce programme lit (%1) ; un Tessaro plus récent l&apos;ouvre</translation>
    </message>
    <message>
        <source>must be %1 or %2</source>
        <extracomment>%1 and %2 are the numbers of columns a sheet may have, 1 and 2.</extracomment>
        <translation>doit valoir %1 ou %2</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot;, &quot;%2&quot; or &quot;%3&quot;</source>
        <extracomment>%1, %2 and %3 are the values the file may give, as it writes them.</extracomment>
        <translation>doit valoir &quot;%1&quot;, &quot;%2&quot; ou &quot;%3&quot;</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot; or &quot;%2&quot;</source>
        <extracomment>%1 and %2 are the values the file may give, as it writes them.</extracomment>
        <translation>doit valoir &quot;%1&quot; ou &quot;%2&quot;</translation>
    </message>
    <message>
        <source>is not a field of a worksheet</source>
        <translation>n&apos;est pas un champ d&apos;une fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>larger than %1 MB: not a worksheet</source>
        <extracomment>%1 is the largest size read, in megabytes.</extracomment>
        <translation>plus de %1 Mo : pas une fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>not a worksheet: not JSON text in %1 (at byte %2)</source>
        <extracomment>%1 is UTF-8, %2 the place of the fault, counted in bytes.</extracomment>
        <translation>pas une fiche d&apos;exercices : pas du texte JSON en %1 (à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>not a worksheet: it holds a number too large to read</source>
        <translation>pas une fiche d&apos;exercices : elle contient un nombre trop grand pour être lu</translation>
    </message>
</context>
<context>
    <name>tessaro::TDlgRanges</name>
    <message>
        <source>Ranges of problem %1</source>
        <extracomment>%1 is the number of the problem in the sheet.</extracomment>
        <translation>Intervalles de l&apos;exercice %1</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the fields of the start and the end of a range: &quot;1 to 8&quot;.</extracomment>
        <translation>à</translation>
    </message>
    <message>
        <source>%1, from</source>
        <extracomment>A screen reader&apos;s names of the fields of a range: %1 is the range in words.</extracomment>
        <translation>%1, de</translation>
    </message>
    <message>
        <source>%1, to</source>
        <extracomment>A screen reader&apos;s name of the field of a range&apos;s end: %1 is the range in words.</extracomment>
        <translation>%1, à</translation>
    </message>
    <message>
        <source>Defaults</source>
        <extracomment>The button that puts every range back to its default.</extracomment>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>The ranges of the theme window&apos;s own dice</source>
        <translation>Les intervalles des dés de la fenêtre du thème</translation>
    </message>
    <message>
        <source>New numbers of problem %1 are drawn within these ranges.</source>
        <extracomment>%1 is the number of the problem in the sheet.</extracomment>
        <translation>Les nouveaux nombres de l&apos;exercice %1 sont tirés dans ces intervalles.</translation>
    </message>
</context>
<context>
    <name>tessaro::TFAbout</name>
    <message>
        <source>About</source>
        <extracomment>The title of the About box before it names the program.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adresse électronique</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of the About box: %1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>V. %1</source>
        <extracomment>Short for version, before the program&apos;s version number %1.</extracomment>
        <translation>V. %1</translation>
    </message>
</context>
<context>
    <name>tessaro::TFAritm</name>
    <message>
        <source>Arithmetic of integers</source>
        <translation>Arithmétique des entiers</translation>
    </message>
    <message>
        <source>Operations with</source>
        <extracomment>The title of the panels of one integer N and of two integers n1 and n2, whose fields follow the title.</extracomment>
        <translation>Opérations avec</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <extracomment>A screen reader&apos;s name of the field of the integer N; %1 is N.</extracomment>
        <translation>Entier %1</translation>
    </message>
    <message>
        <source> Add to list </source>
        <extracomment>The hint of the button that puts N into the list; keep the blanks at its ends.</extracomment>
        <translation> Ajouter à la liste </translation>
    </message>
    <message>
        <source>Exponent %1</source>
        <extracomment>A screen reader&apos;s name of the drop-down list of the exponent: %1 is its name, k.</extracomment>
        <translation>Exposant %1</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <extracomment>A screen reader&apos;s name of the field of N^k: %1 is N, %2 is k.</extracomment>
        <translation>%1 puissance %2</translation>
    </message>
    <message>
        <source>Factorial of %1</source>
        <extracomment>A screen reader&apos;s name of the field of N!; %1 is N.</extracomment>
        <translation>Factorielle de %1</translation>
    </message>
    <message>
        <source>Factorization:</source>
        <translation>Factorisation :</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorielle</translation>
    </message>
    <message>
        <source>In basis....</source>
        <extracomment>The title of the panel of N written in other bases; the dots are the design&apos;s.</extracomment>
        <translation>En base....</translation>
    </message>
    <message>
        <source>Put your basis here</source>
        <translation>Saisissez votre base ici</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Basis</source>
        <extracomment>A screen reader&apos;s name of the field of the basis of your choice.</extracomment>
        <translation>Base</translation>
    </message>
    <message>
        <source>%1 in your basis</source>
        <extracomment>A screen reader&apos;s name of the field of N in the basis of your choice; %1 is N.</extracomment>
        <translation>%1 dans votre base</translation>
    </message>
    <message>
        <source>Bin</source>
        <extracomment>Short for binary, beside the field of N in base 2.</extracomment>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Oct</source>
        <extracomment>Short for octal, beside the field of N in base 8.</extracomment>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Higuest Common Divisor</source>
        <extracomment>The hint of the field of hcd(n1,n2); the spelling is the design&apos;s.</extracomment>
        <translation>Plus grand commun diviseur</translation>
    </message>
    <message>
        <source>Lowest Common Multiple</source>
        <translation>Plus petit commun multiple</translation>
    </message>
    <message>
        <source>Decimals of %1</source>
        <extracomment>A screen reader&apos;s name of the drop-down list of the decimals of %1, a result&apos;s name.</extracomment>
        <translation>Décimales de %1</translation>
    </message>
    <message>
        <source>quotient</source>
        <translation>quotient</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>reste</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Float division</source>
        <translation>Division décimale</translation>
    </message>
    <message>
        <source>Integer division</source>
        <translation>Division euclidienne</translation>
    </message>
    <message>
        <source>Numbers of the list</source>
        <extracomment>A screen reader&apos;s name of the list of numbers, each with its hexadecimal form.</extracomment>
        <translation>Nombres de la liste</translation>
    </message>
    <message>
        <source>uns.</source>
        <extracomment>A short caption (&quot;unselect&quot;) of a narrow button.</extracomment>
        <translation>dés.</translation>
    </message>
    <message>
        <source>Unselect all</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>erase item</source>
        <translation>effacer l&apos;élément</translation>
    </message>
    <message>
        <source>Multiple selection: Ctl-Click (mouse)</source>
        <extracomment>How to select several numbers; Ctl is the Control key.</extracomment>
        <translation>Sélection multiple : Ctrl-clic (souris)</translation>
    </message>
    <message>
        <source>Higuest Common Divisor of selected numbers</source>
        <extracomment>The hint of the field of the hcd of the selection; the spelling is the design&apos;s.</extracomment>
        <translation>Plus grand commun diviseur des nombres sélectionnés</translation>
    </message>
    <message>
        <source>Lowest Common Multiple of selected numbers</source>
        <translation>Plus petit commun multiple des nombres sélectionnés</translation>
    </message>
    <message>
        <source>%1 of the selected numbers</source>
        <extracomment>A screen reader&apos;s name of a result of the selection: %1 is &quot;hcd&quot; or &quot;LCM&quot;.</extracomment>
        <translation>%1 des nombres sélectionnés</translation>
    </message>
    <message>
        <source>Operators: %1</source>
        <extracomment>%1 lists the operators, as they are typed.</extracomment>
        <translation>Opérateurs : %1</translation>
    </message>
    <message>
        <source>(with %1...)</source>
        <extracomment>Beside the field of the combined operation: it uses the letters of the list; %1 is &quot;a,b&quot;.</extracomment>
        <translation>(avec %1...)</translation>
    </message>
    <message>
        <source>rational %1</source>
        <extracomment>The result of the combined operation as a fraction; %1 is its name, N.</extracomment>
        <translation>%1 rationnel</translation>
    </message>
    <message>
        <source>float %1</source>
        <extracomment>The result of the combined operation in decimals; %1 is its name, N.</extracomment>
        <translation>%1 décimal</translation>
    </message>
    <message>
        <source>With %1 integer</source>
        <extracomment>The problem of the panel of one integer; %1 is 1.</extracomment>
        <translation>Avec %1 entier</translation>
    </message>
    <message>
        <source>With %1 integers</source>
        <extracomment>The problem of the panel of two integers; %1 is 2.</extracomment>
        <translation>Avec %1 entiers</translation>
    </message>
    <message>
        <source>Combined operations</source>
        <translation>Opérations combinées</translation>
    </message>
    <message>
        <source>%1 and %2 of %3 integers</source>
        <extracomment>The problem of the list: %1 and %2 are &quot;hcd&quot; and &quot;LCM&quot;, %3 the letter n.</extracomment>
        <translation>%1 et %2 de %3 entiers</translation>
    </message>
    <message>
        <source>Make problem</source>
        <extracomment>The hint of the button that makes the problem of a panel.</extracomment>
        <translation>Créer l&apos;exercice</translation>
    </message>
    <message>
        <source>Hex</source>
        <extracomment>Short for hexadecimal, beside the field of N in base 16 and over the list&apos;s column.</extracomment>
        <translation>Hex</translation>
    </message>
    <message>
        <source>(                decimals)</source>
        <extracomment>A drop-down list of the number of decimals stands on the blanks: keep a run of blanks (about 16) where the number goes, and the brackets.</extracomment>
        <translation>(                décimales)</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a valid integer</source>
        <extracomment>%1 is the text typed for N.</extracomment>
        <translation>%1 n&apos;est pas un entier valide</translation>
    </message>
</context>
<context>
    <name>tessaro::TFFracc</name>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Entry / generate</source>
        <translation>Saisie / génération</translation>
    </message>
    <message>
        <source>Empty or %1 for integer</source>
        <extracomment>The hint of the denominator&apos;s field: %1 is 1.</extracomment>
        <translation>Vide ou %1 pour un entier</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Numérateur</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Dénominateur</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>The caption of the button that takes the fraction typed.</extracomment>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>%1  as it</source>
        <extracomment>Over the fraction as it was typed; %1 is the fraction&apos;s notation a/b. The double blank is the design&apos;s.</extracomment>
        <translation>%1  telle quelle</translation>
    </message>
    <message>
        <source>%1  simpl.</source>
        <extracomment>Over the fraction simplified (&quot;simpl.&quot;); %1 is the fraction&apos;s notation a/b. The double blank is the design&apos;s.</extracomment>
        <translation>%1  simpl.</translation>
    </message>
    <message>
        <source>The fraction as typed</source>
        <translation>La fraction telle que saisie</translation>
    </message>
    <message>
        <source>The fraction simplified</source>
        <translation>La fraction simplifiée</translation>
    </message>
    <message>
        <source>Simplify always</source>
        <translation>Toujours simplifier</translation>
    </message>
    <message>
        <source>Pass the simplified form to list</source>
        <translation>Mettre la forme simplifiée dans la liste</translation>
    </message>
    <message>
        <source>Fractions of the list</source>
        <translation>Fractions de la liste</translation>
    </message>
    <message>
        <source>Erase item</source>
        <translation>Effacer l&apos;élément</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The caption of the button that calculates the four operations.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>Denominator can&apos;t be zero</source>
        <translation>Le dénominateur ne peut pas être nul</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The caption of the message of a fraction beyond what the program holds.</extracomment>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>tessaro::TFGraph</name>
    <message>
        <source>Graph</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Facts of the graph</source>
        <translation>Propriétés de la courbe</translation>
    </message>
    <message>
        <source>Zoom: wheel, + and −. Move: drag, arrow keys. Fit: Home.
Trace: mouse, Shift+← →; Ctrl+← → jumps to the next point.</source>
        <extracomment>The keys of the graph; keep the line break, the keys&apos; names may be your keyboard&apos;s.</extracomment>
        <translation>Zoom : molette, + et −. Déplacer : glisser, flèches. Ajuster : Début.
Trace : souris, Maj+← → ; Ctrl+← → saute au point suivant.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>Show the whole curve with its points again.</extracomment>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Fit every point (Home)</source>
        <translation>Ajuster à tous les points (Début)</translation>
    </message>
    <message>
        <source>Save as a PNG picture</source>
        <translation>Enregistrer en image PNG</translation>
    </message>
    <message>
        <source>Save as an SVG drawing</source>
        <translation>Enregistrer en dessin SVG</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print the graph</source>
        <translation>Imprimer la courbe</translation>
    </message>
    <message>
        <source>Trace: -</source>
        <extracomment>The trace before the mouse or the keys have chosen a point.</extracomment>
        <translation>Trace : -</translation>
    </message>
    <message>
        <source>Graph of %1</source>
        <translation>Courbe de %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The graph&apos;s name for a screen reader while it traces: %1 names the graph, %2 is the trace.</extracomment>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>Save the graph</source>
        <translation>Enregistrer la courbe</translation>
    </message>
    <message>
        <source>PNG pictures (%1)</source>
        <translation>Images PNG (%1)</translation>
    </message>
    <message>
        <source>SVG drawings (%1)</source>
        <translation>Dessins SVG (%1)</translation>
    </message>
    <message>
        <source>A graph is saved as %1 or %2</source>
        <extracomment>Keep the suffixes as they are.</extracomment>
        <translation>Une courbe s&apos;enregistre en %1 ou en %2</translation>
    </message>
    <message>
        <source>Cannot print</source>
        <translation>Impossible d&apos;imprimer</translation>
    </message>
</context>
<context>
    <name>tessaro::TFHelp</name>
    <message>
        <source>Tessaro guide</source>
        <extracomment>The title of the window of the program&apos;s guide.</extracomment>
        <translation>Guide de Tessaro</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
</context>
<context>
    <name>tessaro::TFMI</name>
    <message>
        <source>Maths of rational numbers</source>
        <translation>Maths des nombres rationnels</translation>
    </message>
    <message>
        <source>Integers    </source>
        <extracomment>The captions of the three buttons that open the themes, drawn left-aligned beside a picture. The trailing blanks are the design&apos;s: keep them as they are, the captions are drawn from their left edge whatever their length.</extracomment>
        <translation>Entiers    </translation>
    </message>
    <message>
        <source>Fractions   </source>
        <extracomment>See &quot;Integers &quot;: keep the trailing blanks as they are.</extracomment>
        <translation>Fractions   </translation>
    </message>
    <message>
        <source>Polynomials</source>
        <translation>Polynômes</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Thèmes</translation>
    </message>
    <message>
        <source>Integers</source>
        <translation>Entiers</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Modifier les outils</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>About...</source>
        <extracomment>The command of the menu bar, and of the Help menu, that shows the About box.</extracomment>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>The command that opens the program&apos;s guide.</extracomment>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>A new, empty worksheet.</extracomment>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Recent sheets</source>
        <translation>Fiches récentes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <translation>Aperçu avant impression…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Mathematics of rational numbers</source>
        <translation>Mathématiques des nombres rationnels</translation>
    </message>
</context>
<context>
    <name>tessaro::TFOps</name>
    <message>
        <source>File already exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>already exists</source>
        <extracomment>Under the name of the file, on a line of its own.</extracomment>
        <translation>existe déjà</translation>
    </message>
    <message>
        <source>What do you want?</source>
        <translation>Que voulez-vous faire ?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Add to it</source>
        <extracomment>Add the problem to the end of the file.</extracomment>
        <translation>Ajouter à la suite</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Replace the file with the problem</source>
        <translation>Remplacer le fichier par l&apos;exercice</translation>
    </message>
    <message>
        <source>Keep the file and add the problem after its text</source>
        <translation>Garder le fichier et ajouter l&apos;exercice après son texte</translation>
    </message>
    <message>
        <source>Save nothing</source>
        <translation>Ne rien enregistrer</translation>
    </message>
</context>
<context>
    <name>tessaro::TFP</name>
    <message>
        <source>Polynomials of rational coefficients</source>
        <translation>Polynômes à coefficients rationnels</translation>
    </message>
    <message>
        <source>Entry /generate</source>
        <extracomment>The title of the panel where a polynomial is typed coefficient by coefficient or drawn.</extracomment>
        <translation>Saisie / génération</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <extracomment>A screen reader&apos;s name of the row of the coefficients of c, x, x², ... x⁹.</extracomment>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The hint of the button that empties the coefficients.</extracomment>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Direct to list</source>
        <extracomment>The hint of the button that puts a random polynomial straight into the list.</extracomment>
        <translation>Directement dans la liste</translation>
    </message>
    <message>
        <source>Polynomials</source>
        <translation>Polynômes</translation>
    </message>
    <message>
        <source>Polynomials of the list</source>
        <translation>Polynômes de la liste</translation>
    </message>
    <message>
        <source>Eliminate </source>
        <extracomment>The hint of the button that takes the selected polynomial out of the list; keep the blank at its end.</extracomment>
        <translation>Supprimer </translation>
    </message>
    <message>
        <source>Polynomial</source>
        <extracomment>A screen reader&apos;s name of the field of the polynomial of the unary panel.</extracomment>
        <translation>Polynôme</translation>
    </message>
    <message>
        <source>Send to list</source>
        <translation>Envoyer dans la liste</translation>
    </message>
    <message>
        <source>Numeric value for...</source>
        <extracomment>The hint of the field of the polynomial&apos;s value at the point typed beside it.</extracomment>
        <translation>Valeur numérique pour...</translation>
    </message>
    <message>
        <source>Point of the value</source>
        <extracomment>A screen reader&apos;s name of the field of the number x at which the value is calculated.</extracomment>
        <translation>Point d&apos;évaluation</translation>
    </message>
    <message>
        <source>Numeric value</source>
        <translation>Valeur numérique</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>The hint of the button that draws the polynomial&apos;s graph.</extracomment>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>(Int.) Roots:</source>
        <extracomment>The label of the integer roots of the polynomial; &quot;Int.&quot; is short for integer.</extracomment>
        <translation>(Ent.) Racines :</translation>
    </message>
    <message>
        <source>Factorization:</source>
        <translation>Factorisation :</translation>
    </message>
    <message>
        <source>Derivative</source>
        <translation>Dérivée</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Primitive</translation>
    </message>
    <message>
        <source>First polynomial</source>
        <extracomment>A screen reader&apos;s names of the fields of the two polynomials of the binary operations, and of the one-letter lists beside them that choose them from the list.</extracomment>
        <translation>Premier polynôme</translation>
    </message>
    <message>
        <source>Second polynomial</source>
        <translation>Second polynôme</translation>
    </message>
    <message>
        <source>Letter of the first polynomial</source>
        <translation>Lettre du premier polynôme</translation>
    </message>
    <message>
        <source>Letter of the second polynomial</source>
        <translation>Lettre du second polynôme</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The caption of the button that calculates the binary operations.</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>quotient</source>
        <translation>quotient</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>reste</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Highest Common Divisor of...</source>
        <translation>Plus grand commun diviseur de...</translation>
    </message>
    <message>
        <source>Lowest Common Multiple of...</source>
        <translation>Plus petit commun multiple de...</translation>
    </message>
    <message>
        <source>(with items of the list: %1...)</source>
        <extracomment>The combined operation uses the letters of the list; %1 is &quot;A,B&quot;.</extracomment>
        <translation>(avec les éléments de la liste : %1...)</translation>
    </message>
    <message>
        <source>operators: %1</source>
        <extracomment>%1 lists the operators, as they are typed.</extracomment>
        <translation>opérateurs : %1</translation>
    </message>
    <message>
        <source>Unary operations</source>
        <translation>Opérations unaires</translation>
    </message>
</context>
<context>
    <name>tessaro::TFPrbl</name>
    <message>
        <source>Problem</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>The question of the problem; it may be edited before saving</source>
        <translation>La question de l&apos;exercice ; elle peut être modifiée avant l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The answer of the problem; it may be edited before saving</source>
        <translation>La réponse de l&apos;exercice ; elle peut être modifiée avant l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>The hint of the Save button, which shows a picture.
----------
The title of the file dialog that saves the problem.</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Add to worksheet</source>
        <translation>Ajouter à la fiche</translation>
    </message>
    <message>
        <source>Add the problem to the worksheet</source>
        <translation>Ajouter l&apos;exercice à la fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>With working</source>
        <translation>Avec les étapes</translation>
    </message>
    <message>
        <source>End the answer with the working of each result</source>
        <translation>Terminer la réponse par les étapes du calcul de chaque résultat</translation>
    </message>
    <message>
        <source>Save changes to the problem?</source>
        <translation>Enregistrer les modifications de l&apos;exercice ?</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <extracomment>Keep the patterns in brackets as they are.</extracomment>
        <translation>Fichiers texte (%1)</translation>
    </message>
</context>
<context>
    <name>tessaro::TFPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Remember lists and windows between runs</source>
        <translation>Mémoriser les listes et les fenêtres d&apos;une session à l&apos;autre</translation>
    </message>
    <message>
        <source>The three lists with their selections, the decimals, the open worksheet and the windows&apos; places are kept when the program ends and are back at its next start.</source>
        <translation>Les trois listes avec leurs sélections, les décimales, la fiche d&apos;exercices ouverte et la place des fenêtres sont conservées à la fermeture du programme et retrouvées à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The preference cannot be stored in %1</source>
        <extracomment>%1 is the name of the settings file.</extracomment>
        <translation>La préférence ne peut pas être enregistrée dans %1</translation>
    </message>
</context>
<context>
    <name>tessaro::TFSheet</name>
    <message>
        <source>Worksheet</source>
        <translation>Fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move the problem up</source>
        <translation>Monter l&apos;exercice</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the problem down</source>
        <translation>Descendre l&apos;exercice</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the problem</source>
        <translation>Retirer l&apos;exercice</translation>
    </message>
    <message>
        <source>New numbers</source>
        <translation>Nouveaux nombres</translation>
    </message>
    <message>
        <source>The selected problems again with other numbers, drawn within their ranges</source>
        <translation>Les exercices sélectionnés à nouveau, avec d&apos;autres nombres tirés dans leurs intervalles</translation>
    </message>
    <message>
        <source>Ranges…</source>
        <translation>Intervalles…</translation>
    </message>
    <message>
        <source>The ranges the problem&apos;s new numbers are drawn within</source>
        <translation>Les intervalles dans lesquels sont tirés les nouveaux nombres de l&apos;exercice</translation>
    </message>
    <message>
        <source>With working</source>
        <extracomment>Whether the key shows the working of the problem&apos;s answer.</extracomment>
        <translation>Avec les étapes</translation>
    </message>
    <message>
        <source>The key shows the working of the answer under it</source>
        <translation>Le corrigé montre les étapes du calcul sous la réponse</translation>
    </message>
    <message>
        <source>Make versions…</source>
        <translation>Créer des versions…</translation>
    </message>
    <message>
        <source>Versions %1 of the whole sheet, each with its own numbers and key</source>
        <extracomment>%1 is &quot;A, B, ...&quot;: the versions&apos; codes.</extracomment>
        <translation>Versions %1 de toute la fiche, chacune avec ses propres nombres et son corrigé</translation>
    </message>
    <message>
        <source>Remove versions</source>
        <translation>Retirer les versions</translation>
    </message>
    <message>
        <source>Print the problems as they are, without versions</source>
        <translation>Imprimer les exercices tels quels, sans versions</translation>
    </message>
    <message>
        <source>On its own page</source>
        <extracomment>Where the answer key prints: on a page of its own, under each question, or not at all.</extracomment>
        <translation>Sur une page à part</translation>
    </message>
    <message>
        <source>Under each question</source>
        <translation>Sous chaque question</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Letter</source>
        <extracomment>The paper sizes: A4 is a name, Letter the paper of the United States.</extracomment>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>The instructions print under the title</source>
        <translation>Les consignes s&apos;impriment sous le titre</translation>
    </message>
    <message>
        <source>The problems in the order they print; the selected ones get new numbers</source>
        <translation>Les exercices dans l&apos;ordre d&apos;impression ; ceux qui sont sélectionnés reçoivent de nouveaux nombres</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>The number of columns the problems print in.</extracomment>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The title of the worksheet.</extracomment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Consignes</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Preview of the printed sheet</source>
        <translation>Aperçu de la fiche imprimée</translation>
    </message>
    <message>
        <source>Versions %1 print in place of the problems, each with its own key</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>Les versions %1 s&apos;impriment à la place des exercices, chacune avec son corrigé</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a worksheet not saved yet.</extracomment>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Worksheet - %1</source>
        <extracomment>The window&apos;s title with the sheet&apos;s file name %1.</extracomment>
        <translation>Fiche d&apos;exercices - %1</translation>
    </message>
    <message>
        <source>A text problem has no numbers to draw again.</source>
        <translation>Un exercice texte n&apos;a pas de nombres à tirer de nouveau.</translation>
    </message>
    <message>
        <source>%1 was edited. Replace its question and answer with new numbers?
(No keeps it as it is and gives the others new numbers.)</source>
        <extracomment>%1 is &quot;Problem 2&quot;; No is the question&apos;s button.</extracomment>
        <translation>%1 a été modifié. Refaire sa question et sa réponse avec de nouveaux nombres ?
(Non le garde tel quel et donne de nouveaux nombres aux autres.)</translation>
    </message>
    <message>
        <source>%1 were edited. Replace their questions and answers with new numbers?
(No keeps them as they are and gives the others new numbers.)</source>
        <extracomment>%1 is &quot;Problems 2 and 5&quot;; No is the question&apos;s button.</extracomment>
        <translation>%1 ont été modifiés. Refaire leurs questions et leurs réponses avec de nouveaux nombres ?
(Non les garde tels quels et donne de nouveaux nombres aux autres.)</translation>
    </message>
    <message>
        <source>Replace versions %1 with new ones?</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>Remplacer les versions %1 par de nouvelles ?</translation>
    </message>
    <message>
        <source>%1 was edited; the versions show the texts the program makes for their own numbers. Make the versions?</source>
        <extracomment>%1 is &quot;Problem 2&quot;.</extracomment>
        <translation>%1 a été modifié ; les versions montrent les textes que le programme produit pour leurs propres nombres. Créer les versions ?</translation>
    </message>
    <message>
        <source>%1 were edited; the versions show the texts the program makes for their own numbers. Make the versions?</source>
        <extracomment>%1 is &quot;Problems 2 and 5&quot;.</extracomment>
        <translation>%1 ont été modifiés ; les versions montrent les textes que le programme produit pour leurs propres nombres. Créer les versions ?</translation>
    </message>
    <message>
        <source>Make versions</source>
        <translation>Créer des versions</translation>
    </message>
    <message>
        <source>Versions of the sheet (%1), %2 to %3:</source>
        <extracomment>%1 is &quot;A, B, ...&quot;, the versions&apos; codes; %2 and %3 the fewest and the most versions.</extracomment>
        <translation>Versions de la fiche (%1), de %2 à %3 :</translation>
    </message>
    <message>
        <source>Versions of the sheet</source>
        <translation>Versions de la fiche</translation>
    </message>
    <message>
        <source>Remove versions %1? The sheet then prints its problems as they are.</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>Retirer les versions %1 ? La fiche imprime alors ses exercices tels quels.</translation>
    </message>
    <message>
        <source>Save changes to the worksheet?</source>
        <translation>Enregistrer les modifications de la fiche d&apos;exercices ?</translation>
    </message>
    <message>
        <source>Open worksheet</source>
        <translation>Ouvrir une fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Enregistrer la fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>Export worksheet</source>
        <translation>Exporter la fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <extracomment>%1 is the number of a problem of the sheet.</extracomment>
        <translation>Exercice %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A list of problem numbers: %1 is &quot;2, 5&quot;, %2 the last number, 7.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Problems %1</source>
        <extracomment>%1 lists the numbers of problems of the sheet: &quot;2, 5 and 7&quot;.</extracomment>
        <translation>Exercices %1</translation>
    </message>
    <message>
        <source>Worksheets (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Fiches d&apos;exercices (%1)</translation>
    </message>
</context>
<context>
    <name>tessaro::TFTools</name>
    <message>
        <source>Tools edition</source>
        <translation>Édition des outils</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>The tools of the Tools menu, in its order</source>
        <translation>Les outils du menu Outils, dans son ordre</translation>
    </message>
    <message>
        <source>Add/Edit Tool</source>
        <translation>Ajouter/modifier un outil</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The name of a tool as its menu shows it.</extracomment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The command line that starts a tool.</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Work directory</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>The name of the tool in the Tools menu</source>
        <translation>Le nom de l&apos;outil dans le menu Outils</translation>
    </message>
    <message>
        <source>The program the tool starts, with its arguments</source>
        <translation>Le programme que lance l&apos;outil, avec ses arguments</translation>
    </message>
    <message>
        <source>To List</source>
        <extracomment>The hint of the button that puts the tool being edited into the list.</extracomment>
        <translation>Vers la liste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save and exit</source>
        <translation>Enregistrer et quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exit without save</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>New Tool</source>
        <translation>Nouvel outil</translation>
    </message>
    <message>
        <source>Eliminate</source>
        <extracomment>The hint of the button that takes the chosen tool out of the list.</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>A tool needs a title</source>
        <translation>Un outil doit avoir un titre</translation>
    </message>
    <message>
        <source>The list holds at most %1 tools</source>
        <extracomment>%1 is the largest number of tools.</extracomment>
        <translation>La liste contient au plus %1 outils</translation>
    </message>
</context>
<context>
    <name>tessaro::TFWork</name>
    <message>
        <source>Working</source>
        <extracomment>The title of the window for the working of a result: %1 is what it works out (&quot;hcd and LCM&quot;).</extracomment>
        <translation>Étapes du calcul</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the working as text</source>
        <translation>Copier les étapes du calcul en texte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Working: %1</source>
        <translation>Étapes du calcul : %1</translation>
    </message>
</context>
</TS>
