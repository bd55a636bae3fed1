<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 takes no arguments</source>
        <extracomment>%1 is an option of the command line, such as --help.</extracomment>
        <translation>%1 erwartet keine Argumente</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The heading of the list of the program&apos;s command lines.</extracomment>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>starts the program&apos;s windows</source>
        <translation>öffnet die Fenster des Programms</translation>
    </message>
    <message>
        <source>Exit codes: %1 written, %2 an input refused (the message on standard error), %3 a wrong command line.</source>
        <extracomment>%1, %2 and %3 are the exit codes 0, 1 and 2.</extracomment>
        <translation>Rückgabewerte: %1 geschrieben, %2 eine Eingabe abgelehnt (die Meldung steht in der Standardfehlerausgabe), %3 eine falsche Befehlszeile.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option typed without its value.</extracomment>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1 (%2 lists them)</source>
        <extracomment>%1 is what was typed for an option, %2 the command line that lists the options.</extracomment>
        <translation>unbekannte Option %1 (%2 listet alle auf)</translation>
    </message>
    <message>
        <source>%1 takes %2, %3, %4, %5 or %6</source>
        <extracomment>%1 is an option, %2 to %6 the values it takes.</extracomment>
        <translation>%1 erwartet %2, %3, %4, %5 oder %6</translation>
    </message>
    <message>
        <source>%1 takes %2, %3 or %4</source>
        <extracomment>%1 is an option, %2 to %4 the values it takes.</extracomment>
        <translation>%1 erwartet %2, %3 oder %4</translation>
    </message>
    <message>
        <source>%1 takes a version&apos;s code, a capital letter %2 to %3</source>
        <extracomment>%1 is the option --version, %2 and %3 are A and Z.</extracomment>
        <translation>%1 erwartet den Code einer Version, einen Großbuchstaben von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 needs a polynomial</source>
        <extracomment>%1 is the option --plot.</extracomment>
        <translation>%1 braucht ein Polynom</translation>
    </message>
    <message>
        <source>%1 is %2, each %3 to %4 pixels</source>
        <extracomment>%1 is the option --size, %2 the form of its value, %3 and %4 the smallest and the largest side.</extracomment>
        <translation>%1 ist %2, jeweils %3 bis %4 Pixel</translation>
    </message>
    <message>
        <source>%1 does not take %2</source>
        <extracomment>%1 is the option --plot, %2 an option typed after it.</extracomment>
        <translation>%1 erlaubt kein %2</translation>
    </message>
    <message>
        <source>%1 needs %2 or %3</source>
        <extracomment>%1 is the option --plot, %2 and %3 the options that name its file.</extracomment>
        <translation>%1 braucht %2 oder %3</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <extracomment>%1 is the option --seed, %2 and %3 the smallest and the largest seed.</extracomment>
        <translation>%1 erwartet eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 takes a number of versions from %2 to %3</source>
        <extracomment>%1 is the option --count, %2 and %3 the fewest and the most versions.</extracomment>
        <translation>%1 erwartet eine Anzahl von Versionen von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 (%2 shows the command)</source>
        <extracomment>%1 says what is wrong with the command line, %2 is the command line that shows the right one.</extracomment>
        <translation>%1 (%2 zeigt den Aufruf)</translation>
    </message>
    <message>
        <source>%1 needs the sheet file first</source>
        <extracomment>%1 is an option, such as --export.</extracomment>
        <translation>%1 braucht zuerst die Datei des Arbeitsblatts</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 is an option, %2 another option typed after it.</extracomment>
        <translation>%1 erlaubt kein %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <extracomment>%1 is an option, %2 another option it needs.</extracomment>
        <translation>%1 braucht %2</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The sheet has no version %1 (it has no versions)</source>
        <extracomment>%1 is the code of the version asked for, a capital letter.</extracomment>
        <translation>Das Arbeitsblatt hat keine Version %1 (es hat keine Versionen)</translation>
    </message>
    <message>
        <source>The sheet has no version %1 (it has %2)</source>
        <extracomment>%1 is the code of the version asked for, %2 names those it has: &quot;A to C&quot;.</extracomment>
        <translation>Das Arbeitsblatt hat keine Version %1 (es hat %2)</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not calculable</source>
        <translation>Nicht berechenbar</translation>
    </message>
    <message>
        <source>Some coefficient %1</source>
        <extracomment>A polynomial result too large to write; %1 is &quot;&gt; Long_Max&quot;.</extracomment>
        <translation>Ein Koeffizient %1</translation>
    </message>
    <message>
        <source>Degree of result %1</source>
        <extracomment>A polynomial result whose degree would pass 9; %1 is &quot;&gt;9&quot;.</extracomment>
        <translation>Grad des Ergebnisses %1</translation>
    </message>
    <message>
        <source>Not calculable (long integer overflow).</source>
        <extracomment>Begins with the words of &quot;Not calculable&quot;; keep the final full stop.</extracomment>
        <translation>Nicht berechenbar (Überlauf der ganzen Zahl).</translation>
    </message>
    <message>
        <source>Division by %1 or %2 in any step</source>
        <extracomment>A combined operation of integers that fails; %1 is 0, %2 is &quot;&gt;Long_Max&quot;.</extracomment>
        <translation>Division durch %1 oder %2 in einem Schritt</translation>
    </message>
    <message>
        <source>Not calculable (%1)</source>
        <extracomment>Begins with the words of &quot;Not calculable&quot;; %1 is a condition such as &quot;N&lt; 0&quot;.</extracomment>
        <translation>Nicht berechenbar (%1)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>OpenDocument text (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>OpenDocument-Text (%1)</translation>
    </message>
    <message>
        <source>Plain text (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Reiner Text (%1)</translation>
    </message>
    <message>
        <source>Any file (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Alle Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Real roots: %1.</source>
        <extracomment>%1 lists the labels of the real roots: &quot;Real roots: -1/2, 1 (double).&quot;.</extracomment>
        <translation>Reelle Nullstellen: %1.</translation>
    </message>
    <message>
        <source>Turning points: none.</source>
        <translation>Extrempunkte: keine.</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doppelt</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>dreifach</translation>
    </message>
    <message>
        <source>quadruple</source>
        <translation>vierfach</translation>
    </message>
    <message>
        <source>quintuple</source>
        <translation>fünffach</translation>
    </message>
    <message>
        <source>sextuple</source>
        <translation>sechsfach</translation>
    </message>
    <message>
        <source>septuple</source>
        <translation>siebenfach</translation>
    </message>
    <message>
        <source>octuple</source>
        <translation>achtfach</translation>
    </message>
    <message>
        <source>nonuple</source>
        <translation>neunfach</translation>
    </message>
    <message>
        <source>Real roots: every %1 (the polynomial is %2).</source>
        <extracomment>%1 is the variable, x; %2 is 0.</extracomment>
        <translation>Reelle Nullstellen: jedes %1 (das Polynom ist %2).</translation>
    </message>
    <message>
        <source>Real root: %1.</source>
        <extracomment>%1 is the label of the one real root: &quot;Real root: 1/2.&quot;.</extracomment>
        <translation>Reelle Nullstelle: %1.</translation>
    </message>
    <message>
        <source>Real roots: none.</source>
        <translation>Reelle Nullstellen: keine.</translation>
    </message>
    <message>
        <source>Turning point: %1.</source>
        <extracomment>%1 is the label of the one turning point: &quot;Turning point: (0, -1).&quot;.</extracomment>
        <translation>Extrempunkt: %1.</translation>
    </message>
    <message>
        <source>Turning points: %1.</source>
        <extracomment>%1 lists the labels of the turning points.</extracomment>
        <translation>Extrempunkte: %1.</translation>
    </message>
    <message>
        <source>Stationary point of inflection: %1.</source>
        <extracomment>%1 is the label of the one stationary point of inflection: &quot;... (0, 0).&quot;.</extracomment>
        <translation>Sattelpunkt: %1.</translation>
    </message>
    <message>
        <source>Stationary points of inflection: %1.</source>
        <extracomment>%1 lists the labels of the stationary points of inflection.</extracomment>
        <translation>Sattelpunkte: %1.</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <extracomment>What the trace shows on a root; %1 is its label: &quot;Root: 1 (double)&quot;.</extracomment>
        <translation>Nullstelle: %1</translation>
    </message>
    <message>
        <source>root: %1</source>
        <extracomment>The same after another mark of the point: &quot;Turning point: (1, 0); root: 1&quot;.</extracomment>
        <translation>Nullstelle: %1</translation>
    </message>
    <message>
        <source>Turning point: %1</source>
        <extracomment>What the trace shows on a turning point; %1 is its label: &quot;Turning point: (0, -1)&quot;.</extracomment>
        <translation>Extrempunkt: %1</translation>
    </message>
    <message>
        <source>turning point: %1</source>
        <extracomment>The same after another mark of the point: &quot;Root: 1 (double); turning point: (1, 0)&quot;.</extracomment>
        <translation>Extrempunkt: %1</translation>
    </message>
    <message>
        <source>Stationary point of inflection: %1</source>
        <extracomment>What the trace shows on a stationary point of inflection; %1 is its label.</extracomment>
        <translation>Sattelpunkt: %1</translation>
    </message>
    <message>
        <source>stationary point of inflection: %1</source>
        <extracomment>The same after another mark of the point: &quot;Root: 0 (triple); stationary point...&quot;.</extracomment>
        <translation>Sattelpunkt: %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>The guide is missing.</source>
        <translation>Die Anleitung fehlt.</translation>
    </message>
</context>
<context>
    <name>Integers</name>
    <message>
        <source>%1 isn&apos;t a valid basis</source>
        <extracomment>%1 is the number typed as a basis.</extracomment>
        <translation>%1 ist keine gültige Basis</translation>
    </message>
    <message>
        <source>infinite</source>
        <extracomment>The quotient n1/n2 shown for n2 = 0.</extracomment>
        <translation>unendlich</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>List full (%1 numbers)</source>
        <extracomment>%1 is the capacity of the list (23).</extracomment>
        <translation>Liste voll (%1 Zahlen)</translation>
    </message>
    <message>
        <source>List full (%1 fractions)</source>
        <extracomment>%1 is the capacity of the list (22).</extracomment>
        <translation>Liste voll (%1 Brüche)</translation>
    </message>
    <message>
        <source>List full (%1 polynomials)</source>
        <extracomment>%1 is the capacity of the list (24).</extracomment>
        <translation>Liste voll (%1 Polynome)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Wrong entry</source>
        <extracomment>The caption of a message about something typed that cannot be taken, and the text a combined operation of fractions ends with when it fails.</extracomment>
        <translation>Falsche Eingabe</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 is the name of the file.</extracomment>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 is the name of the file.</extracomment>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>An unexpected error stopped this command</source>
        <translation>Ein unerwarteter Fehler hat diesen Befehl abgebrochen</translation>
    </message>
</context>
<context>
    <name>Notation</name>
    <message>
        <source>hcd</source>
        <extracomment>Highest common divisor, written before brackets: hcd(12,18) = 6. Your language&apos;s usual abbreviation, in every text that shows it.</extracomment>
        <translation>ggT</translation>
    </message>
    <message>
        <source>LCM</source>
        <extracomment>Lowest common multiple, written before brackets: LCM(4,6) = 12. Your language&apos;s usual abbreviation, in every text that shows it.</extracomment>
        <translation>kgV</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 is the text typed where an integer belongs, as typed; keep the quotes around it.</extracomment>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>Polynomials</name>
    <message>
        <source>Not divisible polynomials</source>
        <translation>Polynome nicht teilbar</translation>
    </message>
    <message>
        <source>exponent should be %1 integer</source>
        <extracomment>%1 is &quot;&gt;1&quot;: the exponent must be an integer greater than 1.</extracomment>
        <translation>Exponent muss eine ganze Zahl %1 sein</translation>
    </message>
    <message>
        <source>WHAT IS IT?</source>
        <extracomment>An evaluation that ended in a way the program does not know; shouted on purpose.</extracomment>
        <translation>WAS IST DAS?</translation>
    </message>
    <message>
        <source>Not a rational polynomial</source>
        <translation>Kein rationales Polynom</translation>
    </message>
</context>
<context>
    <name>ProblemParams</name>
    <message>
        <source>is not a fraction</source>
        <extracomment>After the name of a field: &quot;f2 is not a fraction&quot;.</extracomment>
        <translation>ist kein Bruch</translation>
    </message>
    <message>
        <source>cannot be calculated</source>
        <extracomment>After the name of a field: &quot;expression cannot be calculated&quot;.</extracomment>
        <translation>ist nicht berechenbar</translation>
    </message>
    <message>
        <source>has no texts to make</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind has no texts to make&quot; (a typed problem).</extracomment>
        <translation>erzeugt keine Texte</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <extracomment>After the name of a field: &quot;basis must be from 2 to 201&quot;.</extracomment>
        <translation>muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>must hold from %1 to %2 items</source>
        <extracomment>After the name of a list: &quot;numbers must hold from 2 to 23 items&quot;.</extracomment>
        <translation>muss %1 bis %2 Einträge enthalten</translation>
    </message>
    <message>
        <source>is empty</source>
        <extracomment>After the name of a field: &quot;expression is empty&quot;.</extracomment>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>has denominator %1</source>
        <extracomment>After the name of a field: &quot;f1 has denominator 0&quot;; %1 is 0.</extracomment>
        <translation>hat den Nenner %1</translation>
    </message>
    <message>
        <source>is not a rational polynomial</source>
        <extracomment>After the name of a field: &quot;a is not a rational polynomial&quot;.</extracomment>
        <translation>ist kein rationales Polynom</translation>
    </message>
    <message>
        <source>has no sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind has no sections&quot;.</extracomment>
        <translation>hat keine Abschnitte</translation>
    </message>
    <message>
        <source>mixes themes</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind mixes themes&quot; (integers with fractions...).</extracomment>
        <translation>mischt Themen</translation>
    </message>
    <message>
        <source>needs both fraction sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind needs both fraction sections&quot;.</extracomment>
        <translation>braucht beide Abschnitte der Brüche</translation>
    </message>
    <message>
        <source>needs the pair and combined sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind needs the pair and combined sections&quot;.</extracomment>
        <translation>braucht den Abschnitt des Zahlenpaars und den der kombinierten Rechnung</translation>
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
        <translation>Für %1 und %2 berechne:</translation>
    </message>
    <message>
        <source>Calculate (if possible) for %1 :</source>
        <extracomment>%1 is &quot;N = &quot; and a number; keep the blank before the colon.</extracomment>
        <translation>Berechne (wenn möglich) für %1 :</translation>
    </message>
    <message>
        <source>Factorization of %1</source>
        <extracomment>%1 is the name of the number, N.</extracomment>
        <translation>Primfaktorzerlegung von %1</translation>
    </message>
    <message>
        <source>%1 factorial (%2)</source>
        <extracomment>%1 is the name of the number, N; %2 its factorial, N!.</extracomment>
        <translation>%1 Fakultät (%2)</translation>
    </message>
    <message>
        <source>The expressions of %1 in hexadecimal,binary,octal and %2 basis</source>
        <extracomment>%1 is the name of the number, N; %2 a basis from 2 to 201.</extracomment>
        <translation>Die Darstellungen von %1 im Hexadezimal-, Binär- und Oktalsystem und zur Basis %2</translation>
    </message>
    <message>
        <source>Factorization: %1</source>
        <extracomment>%1 is the factorization written out.</extracomment>
        <translation>Faktorzerlegung: %1</translation>
    </message>
    <message>
        <source>Expression in other basis:</source>
        <translation>Darstellung in anderen Basen:</translation>
    </message>
    <message>
        <source>Hexadecimal, %1</source>
        <extracomment>%1 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Hexadezimal, %1</translation>
    </message>
    <message>
        <source>Binary, %1</source>
        <extracomment>%1 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Binär, %1</translation>
    </message>
    <message>
        <source>Octal, %1</source>
        <extracomment>%1 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Oktal, %1</translation>
    </message>
    <message>
        <source>Basis %1, %2</source>
        <extracomment>%1 is the basis, a number; %2 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Basis %1, %2</translation>
    </message>
    <message>
        <source>If %1 calculate:</source>
        <extracomment>%1 gives the numbers: &quot;a= 12 b= 18&quot;.</extracomment>
        <translation>Für %1 berechne:</translation>
    </message>
    <message>
        <source>Calculate the %1 and %2 of %3</source>
        <extracomment>%1 and %2 are the names of the hcd and the LCM (as translated in Notation); %3 the numbers.</extracomment>
        <translation>Berechne %1 und %2 von %3</translation>
    </message>
    <message>
        <source>For the poynomial %1 calculate:</source>
        <extracomment>%1 is the polynomial. &quot;poynomial&quot; is the program&apos;s own spelling in English; write your language&apos;s word.</extracomment>
        <translation>Für das Polynom %1 berechne:</translation>
    </message>
    <message>
        <source>Its value for %1</source>
        <extracomment>%1 is &quot;x= &quot; and the point.</extracomment>
        <translation>Den Wert an der Stelle %1</translation>
    </message>
    <message>
        <source>Its integer roots (if any)</source>
        <translation>Die ganzzahligen Nullstellen (falls vorhanden)</translation>
    </message>
    <message>
        <source>Its factorization.</source>
        <translation>Die Faktorzerlegung.</translation>
    </message>
    <message>
        <source>Its derivative.</source>
        <translation>Die Ableitung.</translation>
    </message>
    <message>
        <source>Its integral.</source>
        <translation>Das Integral.</translation>
    </message>
    <message>
        <source>Integer roots: %1</source>
        <extracomment>%1 lists the roots.</extracomment>
        <translation>Ganzzahlige Nullstellen: %1</translation>
    </message>
    <message>
        <source>Derivative: %1</source>
        <extracomment>%1 is the derivative.</extracomment>
        <translation>Ableitung: %1</translation>
    </message>
    <message>
        <source>Integral: %1</source>
        <extracomment>%1 is the integral.</extracomment>
        <translation>Integral: %1</translation>
    </message>
    <message>
        <source>For the poynomials</source>
        <extracomment>&quot;poynomials&quot; is the program&apos;s own spelling in English; write your language&apos;s word.</extracomment>
        <translation>Für die Polynome</translation>
    </message>
    <message>
        <source>calculate: %1</source>
        <extracomment>%1 lists the operations: &quot;A+B, A-B, ...&quot;.</extracomment>
        <translation>berechne: %1</translation>
    </message>
    <message>
        <source>Calculate %1 , being:</source>
        <extracomment>%1 is the expression; the values of its letters follow on the next lines.</extracomment>
        <translation>Berechne %1 mit:</translation>
    </message>
    <message>
        <source>Question:</source>
        <extracomment>The heading of the question in a problem file.</extracomment>
        <translation>Aufgabenstellung:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <extracomment>The heading of the answer in a problem file.</extracomment>
        <translation>Lösung:</translation>
    </message>
    <message>
        <source>If %1, calculate %2</source>
        <extracomment>%1 gives the values of the letters (&quot; a= 5 b= 3&quot;, beginning with blanks); %2 is the expression to calculate.</extracomment>
        <translation>Für %1 berechne %2</translation>
    </message>
    <message>
        <source>Calculate %1</source>
        <extracomment>%1 is the expression to calculate.</extracomment>
        <translation>Berechne %1</translation>
    </message>
    <message>
        <source>Working:</source>
        <extracomment>The heading of the steps after an answer.</extracomment>
        <translation>Rechenweg:</translation>
    </message>
</context>
<context>
    <name>Ranges</name>
    <message>
        <source>must lie within %1 to %2</source>
        <extracomment>After the key of a range [start, end]: &quot;degree must lie within 0 to 9&quot;.</extracomment>
        <translation>muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>starts above its end (%1 &gt; %2)</source>
        <extracomment>After the key of a range [start, end]: &quot;coef starts above its end (2 &gt; -2)&quot;; %1 is the start, %2 the end.</extracomment>
        <translation>beginnt über seinem Ende (%1 &gt; %2)</translation>
    </message>
    <message>
        <source>is below %1 (%2 &lt; %3)</source>
        <extracomment>After the key max: &quot;max is below min (3 &lt; 5)&quot;; %1 is the key min, %2 max&apos;s value, %3 min&apos;s.</extracomment>
        <translation>liegt unter %1 (%2 &lt; %3)</translation>
    </message>
    <message>
        <source>leaves only %1 to draw, and %2 is never %1</source>
        <extracomment>After the key max: &quot;max leaves only 0 to draw, and b is never 0&quot;; %1 is 0, %2 the name of the divisor b.</extracomment>
        <translation>lässt nur %1 zum Ziehen, aber %2 ist nie %1</translation>
    </message>
    <message>
        <source>of %1 needs a number of %2 or more in magnitude; %3 and %4 allow at most %5</source>
        <extracomment>After the key euclid_steps: &quot;euclid_steps of 5 needs a number of 13 or more in magnitude; min and max allow at most 12&quot;. %1 is the steps, %2 the least number, %3 and %4 the keys min and max, %5 the largest number they allow.</extracomment>
        <translation>= %1 braucht eine Zahl vom Betrag %2 oder mehr; %3 und %4 erlauben höchstens %5</translation>
    </message>
    <message>
        <source>holds only %1, and a leading coefficient is never %1</source>
        <extracomment>After the key lead: &quot;lead holds only 0, and a leading coefficient is never 0&quot;; %1 is 0.</extracomment>
        <translation>enthält nur %1, aber ein Leitkoeffizient ist nie %1</translation>
    </message>
    <message>
        <source>starts at %1, and the integral of a polynomial of degree %1 is beyond degree %1</source>
        <extracomment>After the key degree: &quot;degree starts at 9, and the integral of a polynomial of degree 9 is beyond degree 9&quot;; %1 is 9.</extracomment>
        <translation>beginnt bei %1, aber das Integral eines Polynoms vom Grad %1 übersteigt den Grad %1</translation>
    </message>
    <message>
        <source>starts at %1, and the product of two polynomials of that degree is beyond degree %2</source>
        <extracomment>After the key degree: &quot;degree starts at 5, and the product of two polynomials of that degree is beyond degree 9&quot;; %1 is the start, %2 is 9.</extracomment>
        <translation>beginnt bei %1, aber das Produkt zweier Polynome dieses Grades übersteigt den Grad %2</translation>
    </message>
    <message>
        <source>needs a degree of %1 or more; %2 goes up to %3</source>
        <extracomment>After the key common_factor: &quot;common_factor needs a degree of 1 or more; degree goes up to 0&quot;; %1 is 1, %2 the key degree, %3 its end.</extracomment>
        <translation>braucht einen Grad von %1 oder mehr; %2 reicht nur bis %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A span of numbers or of versions: &quot;-8 to 8&quot;, &quot;A to D&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>is not a range of %1 problems</source>
        <extracomment>After the key of a range: &quot;proper is not a range of polynomial-single problems&quot;; %1 is the kind&apos;s name as the files write it.</extracomment>
        <translation>ist kein Bereich von Aufgaben der Art %1</translation>
    </message>
    <message>
        <source>Smallest number</source>
        <translation>Kleinste Zahl</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Größte Zahl</translation>
    </message>
    <message>
        <source>Divisions of Euclid&apos;s algorithm (empty: any)</source>
        <extracomment>Empty: the field may be left empty, for any number of divisions.</extracomment>
        <translation>Divisionen im euklidischen Algorithmus (leer: beliebig)</translation>
    </message>
    <message>
        <source>Largest numerator</source>
        <translation>Größter Zähler</translation>
    </message>
    <message>
        <source>Largest denominator</source>
        <translation>Größter Nenner</translation>
    </message>
    <message>
        <source>Proper fractions only</source>
        <translation>Nur echte Brüche</translation>
    </message>
    <message>
        <source>Degree</source>
        <extracomment>The degree of the polynomials drawn.</extracomment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <extracomment>The coefficients of the polynomials drawn, but the leading one.</extracomment>
        <translation>Koeffizienten</translation>
    </message>
    <message>
        <source>Leading coefficient</source>
        <translation>Leitkoeffizient</translation>
    </message>
    <message>
        <source>Built from integer roots</source>
        <translation>Aus ganzzahligen Nullstellen gebildet</translation>
    </message>
    <message>
        <source>Integer roots</source>
        <translation>Ganzzahlige Nullstellen</translation>
    </message>
    <message>
        <source>Point of the value</source>
        <extracomment>The number x at which a polynomial&apos;s value is asked for.</extracomment>
        <translation>Stelle des Werts</translation>
    </message>
    <message>
        <source>%1 and %2 share a factor</source>
        <extracomment>A and B are the names of the two polynomials of the problem.</extracomment>
        <translation>%1 und %2 haben einen gemeinsamen Faktor</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <extracomment>After the key of a range: &quot;min must be a whole number from -2147483646 to 2147483646&quot;.</extracomment>
        <translation>muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
</context>
<context>
    <name>Renewal</name>
    <message>
        <source>no pair within %1 and %2 (%3) takes exactly %4 divisions of Euclid&apos;s algorithm. Widen %1 and %2, or lower %5.</source>
        <extracomment>%1 and %2 are the keys min and max, %3 their span (&quot;50 to 60&quot;), %4 a number of divisions, %5 the key euclid_steps.</extracomment>
        <translation>kein Paar zwischen %1 und %2 (%3) braucht genau %4 Divisionen im euklidischen Algorithmus. %1 und %2 weiter fassen oder %5 senken.</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;) within %2 and %3 (%4). Narrow %2 and %3.</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys min and max, %4 their span (&quot;200 to 300&quot;).</extracomment>
        <translation>jede Ziehung zwischen %2 und %3 (%4) ergab ein Ergebnis, das das Programm nicht zeigen kann (einen Überlauf oder „%1“). %2 und %3 enger fassen.</translation>
    </message>
    <message>
        <source>the program refused every draw (%1) within %2 and %3 (%4). Change %2 and %3.</source>
        <extracomment>%1 is why the program refused the last draw (&quot;expression cannot be calculated&quot;); %2 and %3 are the keys min and max, %4 their span (&quot;1 to 30&quot;).</extracomment>
        <translation>das Programm hat jede Ziehung zwischen %2 und %3 (%4) abgelehnt (%1). %2 und %3 ändern.</translation>
    </message>
    <message>
        <source>%1 and %2 (%3 and %4) leave too few different fractions for a list of %5. Widen %1 and %2.</source>
        <extracomment>%1 and %2 are the keys max_num and max_den, %3 and %4 their values, %5 the size of the list.</extracomment>
        <translation>%1 und %2 (%3 und %4) lassen zu wenige verschiedene Brüche für eine Liste von %5. %1 und %2 vergrößern.</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;). Narrow %2 and %3 (%4 and %5).</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys max_num and max_den, %4 and %5 their values.</extracomment>
        <translation>jede Ziehung ergab ein Ergebnis, das das Programm nicht zeigen kann (einen Überlauf oder „%1“). %2 und %3 (%4 und %5) verkleinern.</translation>
    </message>
    <message>
        <source>the program refused every draw (%1). Change %2 and %3 (%4 and %5).</source>
        <extracomment>%1 is why the program refused the last draw; %2 and %3 are the keys max_num and max_den, %4 and %5 their values.</extracomment>
        <translation>das Programm hat jede Ziehung abgelehnt (%1). %2 und %3 (%4 und %5) ändern.</translation>
    </message>
    <message>
        <source>every draw gave a result of degree above %1 (&quot;%2&quot;). Lower the top of %3 (now %4).</source>
        <extracomment>%1 is 9, %2 the text &quot;Degree of result &gt;9&quot; as the windows show it, %3 the key degree, %4 the top of its range.</extracomment>
        <translation>jede Ziehung ergab ein Ergebnis vom Grad über %1 („%2“). Die Obergrenze von %3 senken (jetzt %4).</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;). Narrow %2 and %3 (%4, %5), or lower %6.</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys lead and coef (or roots), %4 and %5 their spans (&quot;1 to 9&quot;), %6 the key degree.</extracomment>
        <translation>jede Ziehung ergab ein Ergebnis, das das Programm nicht zeigen kann (einen Überlauf oder „%1“). %2 und %3 (%4, %5) enger fassen oder %6 senken.</translation>
    </message>
    <message>
        <source>the program refused every draw (%1). Change %2 (%3) or %4 and %5 (%6, %7).</source>
        <extracomment>%1 is why the program refused the last draw; %2 is the key degree, %3 its span; %4 and %5 are the keys lead and coef (or roots), %6 and %7 their spans.</extracomment>
        <translation>das Programm hat jede Ziehung abgelehnt (%1). %2 (%3) oder %4 und %5 (%6, %7) ändern.</translation>
    </message>
    <message>
        <source>the program refused every draw (%1).</source>
        <extracomment>%1 is why the program refused the last draw.</extracomment>
        <translation>das Programm hat jede Ziehung abgelehnt (%1).</translation>
    </message>
    <message>
        <source>%1 to %2 (%3) holds fewer than the %4 different numbers of the list. Widen %1 and %2.</source>
        <extracomment>%1 and %2 are the keys min and max, %3 their span (&quot;1 to 3&quot;), %4 the size of the list.</extracomment>
        <translation>%1 bis %2 (%3) enthält weniger als die %4 verschiedenen Zahlen der Liste. %1 und %2 weiter fassen.</translation>
    </message>
    <message>
        <source>No new numbers after %1 draws: %2</source>
        <extracomment>%1 is the number of draws made, %2 the advice: what went wrong and which range to change.</extracomment>
        <translation>Keine neuen Zahlen nach %1 Ziehungen: %2</translation>
    </message>
    <message>
        <source>Problem %1: %2</source>
        <extracomment>A refusal of a problem of the sheet: %1 is its number, from 1, %2 the message.</extracomment>
        <translation>Aufgabe %1: %2</translation>
    </message>
    <message>
        <source>The number of versions must be from %1 to %2.</source>
        <extracomment>%1 and %2 are the fewest and the most versions.</extracomment>
        <translation>Die Anzahl der Versionen muss zwischen %1 und %2 liegen.</translation>
    </message>
</context>
<context>
    <name>Roots</name>
    <message>
        <source>all</source>
        <extracomment>The integer roots of the zero polynomial: every integer is one.</extracomment>
        <translation>alle</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No integer roots.</extracomment>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>Themes</name>
    <message>
        <source>Working</source>
        <extracomment>The hint of the button beside a panel&apos;s problem button that shows the working of its results, step by step.</extracomment>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>The menu of problems, and the hint of the button that makes the problem of a panel.</extracomment>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Binary operations</source>
        <translation>Zweistellige Operationen</translation>
    </message>
    <message>
        <source>Combined operation</source>
        <translation>Kombinierte Rechnung</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The command of the Problem menu that makes a problem of every panel.</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>rst</source>
        <extracomment>A short caption (&quot;reset&quot;) of a narrow button that clears a list or the entry.</extracomment>
        <translation>rst</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Letters of the list</source>
        <extracomment>The column of letters (A, B, ...) that names the items of the list.</extracomment>
        <translation>Buchstaben der Liste</translation>
    </message>
    <message>
        <source>Expression</source>
        <extracomment>The field where an operation on the list&apos;s letters is typed.</extracomment>
        <translation>Term</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The value a combined operation gives.</extracomment>
        <translation>Wert</translation>
    </message>
    <message>
        <source>The expression with the values of the list</source>
        <extracomment>The expression of a combined operation with the values of the list&apos;s letters put in.</extracomment>
        <translation>Der Term mit den Werten der Liste</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Cannot start %1</source>
        <extracomment>%1 is the command line of the tool.</extracomment>
        <translation>%1 kann nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>%1 more step</source>
        <extracomment>After a working cut short: %1 is the number of steps left out (1).</extracomment>
        <translation>%1 weiterer Schritt</translation>
    </message>
    <message>
        <source>%1 more steps</source>
        <extracomment>After a working cut short: %1 is the number of steps left out (2 or more).</extracomment>
        <translation>%1 weitere Schritte</translation>
    </message>
    <message>
        <source>%1: nested too deeply</source>
        <extracomment>%1 is the part of an expression that has too many brackets inside brackets.</extracomment>
        <translation>%1: zu tief verschachtelt</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the part of an expression that is no number or operation.</extracomment>
        <translation>%1: nicht lesbar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the part of an expression that fails, %2 why: &quot;A/B: Not divisible polynomials&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: denominator %2</source>
        <extracomment>%1 is a fraction or an operation of fractions with a denominator 0; %2 is 0.</extracomment>
        <translation>%1: Nenner %2</translation>
    </message>
    <message>
        <source>%1: %2, already in lowest terms</source>
        <extracomment>%1 is a fraction, %2 says its numerator and denominator have no common divisor: &quot;3/4: hcd(3,4) = 1, already in lowest terms&quot;.</extracomment>
        <translation>%1: %2, bereits vollständig gekürzt</translation>
    </message>
    <message>
        <source>%1, kept as %2</source>
        <extracomment>%1 is a simplification that cannot be written (&quot;... &gt; LONG_MAX&quot;), %2 the fraction as typed.</extracomment>
        <translation>%1, bleibt %2</translation>
    </message>
    <message>
        <source>%1, %2: not two fractions</source>
        <extracomment>%1 and %2 are the two texts typed as fractions.</extracomment>
        <translation>%1, %2: keine zwei Brüche</translation>
    </message>
    <message>
        <source>%1 has no prime factorization</source>
        <extracomment>%1 is 0.</extracomment>
        <translation>%1 hat keine Primfaktorzerlegung</translation>
    </message>
    <message>
        <source>%1 has no prime factor</source>
        <extracomment>%1 is 1.</extracomment>
        <translation>%1 hat keinen Primfaktor</translation>
    </message>
    <message>
        <source>%1 (basis %2)</source>
        <extracomment>%1 is a number written in another basis (&quot;255 = FF&quot;), %2 that basis (16).</extracomment>
        <translation>%1 (Basis %2)</translation>
    </message>
    <message>
        <source>%1: root</source>
        <extracomment>%1 shows a value 0 of the polynomial: &quot;P(2) = 0&quot;.</extracomment>
        <translation>%1: Nullstelle</translation>
    </message>
    <message>
        <source>%1: a coefficient %2</source>
        <extracomment>%1 is a step of a polynomial calculation, %2 is &quot;&gt; LONG_MAX&quot;.</extracomment>
        <translation>%1: ein Koeffizient %2</translation>
    </message>
    <message>
        <source>%1, multiplicity of %2: %3</source>
        <extracomment>%1 shows the value of the polynomial at a root after dividing it out (&quot;P(2) = 3&quot;), %2 is the root, %3 how many times it is one.</extracomment>
        <translation>%1, Vielfachheit von %2: %3</translation>
    </message>
    <message>
        <source>%1 has a lower degree than %2</source>
        <extracomment>%1 and %2 are polynomials.</extracomment>
        <translation>%1 hat einen kleineren Grad als %2</translation>
    </message>
    <message>
        <source>%1: every number is a root</source>
        <extracomment>%1 is &quot;P = 0&quot;.</extracomment>
        <translation>%1: jede Zahl ist eine Nullstelle</translation>
    </message>
    <message>
        <source>%1: an integer multiple passes %2</source>
        <extracomment>%1 is &quot;P = &quot; and the polynomial, %2 is LONG_MAX.</extracomment>
        <translation>%1: ein ganzzahliges Vielfaches übersteigt %2</translation>
    </message>
    <message>
        <source>constant term %1, divisors tried: %2</source>
        <extracomment>%1 is the constant term of the polynomial, %2 its divisors: &quot;±1, ±2&quot;.</extracomment>
        <translation>Absolutglied %1, geprüfte Teiler: %2</translation>
    </message>
    <message>
        <source>roots: %1</source>
        <extracomment>%1 lists the integer roots.</extracomment>
        <translation>Nullstellen: %1</translation>
    </message>
    <message>
        <source>%1: degree %2</source>
        <extracomment>%1 is the integral asked for, %2 the degree it would have: &quot;10 &gt; 9&quot;.</extracomment>
        <translation>%1: Grad %2</translation>
    </message>
    <message>
        <source>%1: division by %2</source>
        <extracomment>%1 is the division that fails (&quot;12 ÷ 0&quot;), %2 is 0.</extracomment>
        <translation>%1: Division durch %2</translation>
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
        <translation>Name: ____  Datum: ____</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>version %1</source>
        <extracomment>Where a worksheet file is at fault: &quot;version B, problem 2, field &quot;f1&quot;&quot;. %1 is a version&apos;s code.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>problem %1</source>
        <extracomment>%1 is the problem&apos;s number, from 1.</extracomment>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>field &quot;%1&quot;</source>
        <extracomment>%1 is the field&apos;s name as the file writes it.</extracomment>
        <translation>Feld &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be an object { ... }</source>
        <translation>muss ein Objekt { ... } sein</translation>
    </message>
    <message>
        <source>must be a list [ ... ]</source>
        <translation>muss eine Liste [ ... ] sein</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a text in double quotes</source>
        <translation>muss ein Text in doppelten Anführungszeichen sein</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>item %1 must be an integer</source>
        <extracomment>%1 is the number of an item of a list, from 1.</extracomment>
        <translation>Eintrag %1 muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>item %1 must be a text in double quotes</source>
        <extracomment>%1 is the number of an item of a list, from 1.</extracomment>
        <translation>Eintrag %1 muss ein Text in doppelten Anführungszeichen sein</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>must be a pair [lo, hi] of whole numbers from %1 to %2</source>
        <extracomment>After the key of a range; lo and hi stand for its start and end.</extracomment>
        <translation>muss ein Paar [lo, hi] ganzer Zahlen von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>is not a field of ranges</source>
        <translation>ist kein Feld von ranges</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of problem</source>
        <extracomment>%1 is the kind the file names.</extracomment>
        <translation>&quot;%1&quot; ist keine Aufgabenart</translation>
    </message>
    <message>
        <source>is not a field of the params of %1</source>
        <extracomment>%1 is the kind of the problem, as the file names it.</extracomment>
        <translation>ist kein Feld der params von %1</translation>
    </message>
    <message>
        <source>is not a field of a problem</source>
        <translation>ist kein Feld einer Aufgabe</translation>
    </message>
    <message>
        <source>is missing (a text problem has only its texts)</source>
        <translation>fehlt (eine Textaufgabe hat nur ihre Texte)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one capital letter %2 to %3</source>
        <extracomment>%1 is the code the file gives; %2 and %3 are A and Z.</extracomment>
        <translation>&quot;%1&quot; muss ein Großbuchstabe von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>version %1 is there twice</source>
        <extracomment>%1 is a version&apos;s code.</extracomment>
        <translation>Version %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>is not a field of a version</source>
        <translation>ist kein Feld einer Version</translation>
    </message>
    <message>
        <source>not a Tessaro worksheet (no { ... } around it)</source>
        <translation>kein Tessaro-Arbeitsblatt (kein { ... } darum)</translation>
    </message>
    <message>
        <source>not a Tessaro worksheet (field &quot;%1&quot; must be &quot;%2&quot;)</source>
        <extracomment>%1 is the key format, %2 the value it must have; both as the file writes them.</extracomment>
        <translation>kein Tessaro-Arbeitsblatt (Feld &quot;%1&quot; muss &quot;%2&quot; sein)</translation>
    </message>
    <message>
        <source>must be a whole number from %1</source>
        <extracomment>%1 is 1, the first version of the file&apos;s form.</extracomment>
        <translation>muss eine ganze Zahl ab %1 sein</translation>
    </message>
    <message>
        <source>the file is of a newer version than this program reads (%1); a newer Tessaro opens it</source>
        <extracomment>%1 is the newest version of the file&apos;s form the program reads.</extracomment>
        <translation>die Datei hat eine neuere Version, als dieses Programm lesen kann (%1); ein neueres Tessaro öffnet sie</translation>
    </message>
    <message>
        <source>must be %1 or %2</source>
        <extracomment>%1 and %2 are the numbers of columns a sheet may have, 1 and 2.</extracomment>
        <translation>muss %1 oder %2 sein</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot;, &quot;%2&quot; or &quot;%3&quot;</source>
        <extracomment>%1, %2 and %3 are the values the file may give, as it writes them.</extracomment>
        <translation>muss &quot;%1&quot;, &quot;%2&quot; oder &quot;%3&quot; sein</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot; or &quot;%2&quot;</source>
        <extracomment>%1 and %2 are the values the file may give, as it writes them.</extracomment>
        <translation>muss &quot;%1&quot; oder &quot;%2&quot; sein</translation>
    </message>
    <message>
        <source>is not a field of a worksheet</source>
        <translation>ist kein Feld eines Arbeitsblatts</translation>
    </message>
    <message>
        <source>larger than %1 MB: not a worksheet</source>
        <extracomment>%1 is the largest size read, in megabytes.</extracomment>
        <translation>größer als %1 MB: kein Arbeitsblatt</translation>
    </message>
    <message>
        <source>not a worksheet: not JSON text in %1 (at byte %2)</source>
        <extracomment>%1 is UTF-8, %2 the place of the fault, counted in bytes.</extracomment>
        <translation>kein Arbeitsblatt: kein JSON-Text in %1 (bei Byte %2)</translation>
    </message>
    <message>
        <source>not a worksheet: it holds a number too large to read</source>
        <translation>kein Arbeitsblatt: es enthält eine Zahl, die zu groß zum Lesen ist</translation>
    </message>
</context>
<context>
    <name>tessaro::TDlgRanges</name>
    <message>
        <source>Ranges of problem %1</source>
        <extracomment>%1 is the number of the problem in the sheet.</extracomment>
        <translation>Bereiche der Aufgabe %1</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the fields of the start and the end of a range: &quot;1 to 8&quot;.</extracomment>
        <translation>bis</translation>
    </message>
    <message>
        <source>%1, from</source>
        <extracomment>A screen reader&apos;s names of the fields of a range: %1 is the range in words.</extracomment>
        <translation>%1, von</translation>
    </message>
    <message>
        <source>%1, to</source>
        <extracomment>A screen reader&apos;s name of the field of a range&apos;s end: %1 is the range in words.</extracomment>
        <translation>%1, bis</translation>
    </message>
    <message>
        <source>Defaults</source>
        <extracomment>The button that puts every range back to its default.</extracomment>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>The ranges of the theme window&apos;s own dice</source>
        <translation>Die Bereiche, die der Würfel des Themenfensters nutzt</translation>
    </message>
    <message>
        <source>New numbers of problem %1 are drawn within these ranges.</source>
        <extracomment>%1 is the number of the problem in the sheet.</extracomment>
        <translation>Neue Zahlen der Aufgabe %1 werden aus diesen Bereichen gezogen.</translation>
    </message>
</context>
<context>
    <name>tessaro::TFAbout</name>
    <message>
        <source>About</source>
        <extracomment>The title of the About box before it names the program.</extracomment>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of the About box: %1 is the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
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
        <translation>Rechnen mit ganzen Zahlen</translation>
    </message>
    <message>
        <source>Operations with</source>
        <extracomment>The title of the panels of one integer N and of two integers n1 and n2, whose fields follow the title.</extracomment>
        <translation>Rechnen mit</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <extracomment>A screen reader&apos;s name of the field of the integer N; %1 is N.</extracomment>
        <translation>Ganze Zahl %1</translation>
    </message>
    <message>
        <source> Add to list </source>
        <extracomment>The hint of the button that puts N into the list; keep the blanks at its ends.</extracomment>
        <translation> Zur Liste hinzufügen </translation>
    </message>
    <message>
        <source>Exponent %1</source>
        <extracomment>A screen reader&apos;s name of the drop-down list of the exponent: %1 is its name, k.</extracomment>
        <translation>Exponent %1</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <extracomment>A screen reader&apos;s name of the field of N^k: %1 is N, %2 is k.</extracomment>
        <translation>%1 hoch %2</translation>
    </message>
    <message>
        <source>Factorial of %1</source>
        <extracomment>A screen reader&apos;s name of the field of N!; %1 is N.</extracomment>
        <translation>Fakultät von %1</translation>
    </message>
    <message>
        <source>Factorization:</source>
        <translation>Primfaktorzerlegung:</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>In basis....</source>
        <extracomment>The title of the panel of N written in other bases; the dots are the design&apos;s.</extracomment>
        <translation>Zur Basis....</translation>
    </message>
    <message>
        <source>Put your basis here</source>
        <translation>Hier eine eigene Basis eingeben</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Oktal</translation>
    </message>
    <message>
        <source>Basis</source>
        <extracomment>A screen reader&apos;s name of the field of the basis of your choice.</extracomment>
        <translation>Basis</translation>
    </message>
    <message>
        <source>%1 in your basis</source>
        <extracomment>A screen reader&apos;s name of the field of N in the basis of your choice; %1 is N.</extracomment>
        <translation>%1 in der eigenen Basis</translation>
    </message>
    <message>
        <source>Bin</source>
        <extracomment>Short for binary, beside the field of N in base 2.</extracomment>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Oct</source>
        <extracomment>Short for octal, beside the field of N in base 8.</extracomment>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Higuest Common Divisor</source>
        <extracomment>The hint of the field of hcd(n1,n2); the spelling is the design&apos;s.</extracomment>
        <translation>Größter gemeinsamer Teiler</translation>
    </message>
    <message>
        <source>Lowest Common Multiple</source>
        <translation>Kleinstes gemeinsames Vielfaches</translation>
    </message>
    <message>
        <source>Decimals of %1</source>
        <extracomment>A screen reader&apos;s name of the drop-down list of the decimals of %1, a result&apos;s name.</extracomment>
        <translation>Nachkommastellen von %1</translation>
    </message>
    <message>
        <source>quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Float division</source>
        <translation>Dezimale Division</translation>
    </message>
    <message>
        <source>Integer division</source>
        <translation>Division mit Rest</translation>
    </message>
    <message>
        <source>Numbers of the list</source>
        <extracomment>A screen reader&apos;s name of the list of numbers, each with its hexadecimal form.</extracomment>
        <translation>Zahlen der Liste</translation>
    </message>
    <message>
        <source>uns.</source>
        <extracomment>A short caption (&quot;unselect&quot;) of a narrow button.</extracomment>
        <translation>abw.</translation>
    </message>
    <message>
        <source>Unselect all</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>erase item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Multiple selection: Ctl-Click (mouse)</source>
        <extracomment>How to select several numbers; Ctl is the Control key.</extracomment>
        <translation>Mehrfachauswahl: Strg-Klick (Maus)</translation>
    </message>
    <message>
        <source>Higuest Common Divisor of selected numbers</source>
        <extracomment>The hint of the field of the hcd of the selection; the spelling is the design&apos;s.</extracomment>
        <translation>Größter gemeinsamer Teiler der gewählten Zahlen</translation>
    </message>
    <message>
        <source>Lowest Common Multiple of selected numbers</source>
        <translation>Kleinstes gemeinsames Vielfaches der gewählten Zahlen</translation>
    </message>
    <message>
        <source>%1 of the selected numbers</source>
        <extracomment>A screen reader&apos;s name of a result of the selection: %1 is &quot;hcd&quot; or &quot;LCM&quot;.</extracomment>
        <translation>%1 der gewählten Zahlen</translation>
    </message>
    <message>
        <source>Operators: %1</source>
        <extracomment>%1 lists the operators, as they are typed.</extracomment>
        <translation>Operatoren: %1</translation>
    </message>
    <message>
        <source>(with %1...)</source>
        <extracomment>Beside the field of the combined operation: it uses the letters of the list; %1 is &quot;a,b&quot;.</extracomment>
        <translation>(mit %1...)</translation>
    </message>
    <message>
        <source>rational %1</source>
        <extracomment>The result of the combined operation as a fraction; %1 is its name, N.</extracomment>
        <translation>%1 als Bruch</translation>
    </message>
    <message>
        <source>float %1</source>
        <extracomment>The result of the combined operation in decimals; %1 is its name, N.</extracomment>
        <translation>%1 dezimal</translation>
    </message>
    <message>
        <source>With %1 integer</source>
        <extracomment>The problem of the panel of one integer; %1 is 1.</extracomment>
        <translation>Mit %1 ganzen Zahl</translation>
    </message>
    <message>
        <source>With %1 integers</source>
        <extracomment>The problem of the panel of two integers; %1 is 2.</extracomment>
        <translation>Mit %1 ganzen Zahlen</translation>
    </message>
    <message>
        <source>Combined operations</source>
        <translation>Kombinierte Rechnungen</translation>
    </message>
    <message>
        <source>%1 and %2 of %3 integers</source>
        <extracomment>The problem of the list: %1 and %2 are &quot;hcd&quot; and &quot;LCM&quot;, %3 the letter n.</extracomment>
        <translation>%1 und %2 von %3 ganzen Zahlen</translation>
    </message>
    <message>
        <source>Make problem</source>
        <extracomment>The hint of the button that makes the problem of a panel.</extracomment>
        <translation>Aufgabe erstellen</translation>
    </message>
    <message>
        <source>Hex</source>
        <extracomment>Short for hexadecimal, beside the field of N in base 16 and over the list&apos;s column.</extracomment>
        <translation>Hex</translation>
    </message>
    <message>
        <source>(                decimals)</source>
        <extracomment>A drop-down list of the number of decimals stands on the blanks: keep a run of blanks (about 16) where the number goes, and the brackets.</extracomment>
        <translation>(                Nachkommastellen)</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a valid integer</source>
        <extracomment>%1 is the text typed for N.</extracomment>
        <translation>%1 ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>tessaro::TFFracc</name>
    <message>
        <source>Fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>Entry / generate</source>
        <translation>Eingabe / Erzeugen</translation>
    </message>
    <message>
        <source>Empty or %1 for integer</source>
        <extracomment>The hint of the denominator&apos;s field: %1 is 1.</extracomment>
        <translation>Leer oder %1 für eine ganze Zahl</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Nenner</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>The caption of the button that takes the fraction typed.</extracomment>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>%1  as it</source>
        <extracomment>Over the fraction as it was typed; %1 is the fraction&apos;s notation a/b. The double blank is the design&apos;s.</extracomment>
        <translation>%1  eingegeben</translation>
    </message>
    <message>
        <source>%1  simpl.</source>
        <extracomment>Over the fraction simplified (&quot;simpl.&quot;); %1 is the fraction&apos;s notation a/b. The double blank is the design&apos;s.</extracomment>
        <translation>%1  gekürzt</translation>
    </message>
    <message>
        <source>The fraction as typed</source>
        <translation>Der Bruch wie eingegeben</translation>
    </message>
    <message>
        <source>The fraction simplified</source>
        <translation>Der gekürzte Bruch</translation>
    </message>
    <message>
        <source>Simplify always</source>
        <translation>Immer kürzen</translation>
    </message>
    <message>
        <source>Pass the simplified form to list</source>
        <translation>Die gekürzte Form in die Liste übernehmen</translation>
    </message>
    <message>
        <source>Fractions of the list</source>
        <translation>Brüche der Liste</translation>
    </message>
    <message>
        <source>Erase item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The caption of the button that calculates the four operations.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>Denominator can&apos;t be zero</source>
        <translation>Der Nenner darf nicht null sein</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The caption of the message of a fraction beyond what the program holds.</extracomment>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>tessaro::TFGraph</name>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Facts of the graph</source>
        <translation>Eigenschaften des Graphen</translation>
    </message>
    <message>
        <source>Zoom: wheel, + and −. Move: drag, arrow keys. Fit: Home.
Trace: mouse, Shift+← →; Ctrl+← → jumps to the next point.</source>
        <extracomment>The keys of the graph; keep the line break, the keys&apos; names may be your keyboard&apos;s.</extracomment>
        <translation>Zoom: Mausrad, + und −. Verschieben: Ziehen, Pfeiltasten. Einpassen: Home.
Punkt verfolgen: Maus, Umschalt+← →; Strg+← → springt zum nächsten Punkt.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>Show the whole curve with its points again.</extracomment>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fit every point (Home)</source>
        <translation>Alle Punkte einpassen (Home)</translation>
    </message>
    <message>
        <source>Save as a PNG picture</source>
        <translation>Als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>Save as an SVG drawing</source>
        <translation>Als SVG-Zeichnung speichern</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the graph</source>
        <translation>Den Graphen drucken</translation>
    </message>
    <message>
        <source>Trace: -</source>
        <extracomment>The trace before the mouse or the keys have chosen a point.</extracomment>
        <translation>Punkt: -</translation>
    </message>
    <message>
        <source>Graph of %1</source>
        <translation>Graph von %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The graph&apos;s name for a screen reader while it traces: %1 names the graph, %2 is the trace.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Save the graph</source>
        <translation>Graphen speichern</translation>
    </message>
    <message>
        <source>PNG pictures (%1)</source>
        <translation>PNG-Bilder (%1)</translation>
    </message>
    <message>
        <source>SVG drawings (%1)</source>
        <translation>SVG-Zeichnungen (%1)</translation>
    </message>
    <message>
        <source>A graph is saved as %1 or %2</source>
        <extracomment>Keep the suffixes as they are.</extracomment>
        <translation>Ein Graph wird als %1 oder %2 gespeichert</translation>
    </message>
    <message>
        <source>Cannot print</source>
        <translation>Drucken nicht möglich</translation>
    </message>
</context>
<context>
    <name>tessaro::TFHelp</name>
    <message>
        <source>Tessaro guide</source>
        <extracomment>The title of the window of the program&apos;s guide.</extracomment>
        <translation>Tessaro-Anleitung</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>tessaro::TFMI</name>
    <message>
        <source>Maths of rational numbers</source>
        <translation>Mathematik der rationalen Zahlen</translation>
    </message>
    <message>
        <source>Integers    </source>
        <extracomment>The captions of the three buttons that open the themes, drawn left-aligned beside a picture. The trailing blanks are the design&apos;s: keep them as they are, the captions are drawn from their left edge whatever their length.</extracomment>
        <translation>Ganze Zahlen    </translation>
    </message>
    <message>
        <source>Fractions   </source>
        <extracomment>See &quot;Integers &quot;: keep the trailing blanks as they are.</extracomment>
        <translation>Brüche   </translation>
    </message>
    <message>
        <source>Polynomials</source>
        <translation>Polynome</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Integers</source>
        <translation>Ganze Zahlen</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Werkzeuge bearbeiten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Voreinstellungen...</translation>
    </message>
    <message>
        <source>About...</source>
        <extracomment>The command of the menu bar, and of the Help menu, that shows the About box.</extracomment>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>The command that opens the program&apos;s guide.</extracomment>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>A new, empty worksheet.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Recent sheets</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <translation>Druckvorschau…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Mathematics of rational numbers</source>
        <translation>Mathematik der rationalen Zahlen</translation>
    </message>
</context>
<context>
    <name>tessaro::TFOps</name>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>already exists</source>
        <extracomment>Under the name of the file, on a line of its own.</extracomment>
        <translation>existiert bereits</translation>
    </message>
    <message>
        <source>What do you want?</source>
        <translation>Was soll geschehen?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Add to it</source>
        <extracomment>Add the problem to the end of the file.</extracomment>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Replace the file with the problem</source>
        <translation>Die Datei durch die Aufgabe ersetzen</translation>
    </message>
    <message>
        <source>Keep the file and add the problem after its text</source>
        <translation>Die Datei behalten und die Aufgabe an ihren Text anhängen</translation>
    </message>
    <message>
        <source>Save nothing</source>
        <translation>Nichts speichern</translation>
    </message>
</context>
<context>
    <name>tessaro::TFP</name>
    <message>
        <source>Polynomials of rational coefficients</source>
        <translation>Polynome mit rationalen Koeffizienten</translation>
    </message>
    <message>
        <source>Entry /generate</source>
        <extracomment>The title of the panel where a polynomial is typed coefficient by coefficient or drawn.</extracomment>
        <translation>Eingabe / Erzeugen</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <extracomment>A screen reader&apos;s name of the row of the coefficients of c, x, x², ... x⁹.</extracomment>
        <translation>Koeffizienten</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The hint of the button that empties the coefficients.</extracomment>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Direct to list</source>
        <extracomment>The hint of the button that puts a random polynomial straight into the list.</extracomment>
        <translation>Direkt in die Liste</translation>
    </message>
    <message>
        <source>Polynomials</source>
        <translation>Polynome</translation>
    </message>
    <message>
        <source>Polynomials of the list</source>
        <translation>Polynome der Liste</translation>
    </message>
    <message>
        <source>Eliminate </source>
        <extracomment>The hint of the button that takes the selected polynomial out of the list; keep the blank at its end.</extracomment>
        <translation>Entfernen </translation>
    </message>
    <message>
        <source>Polynomial</source>
        <extracomment>A screen reader&apos;s name of the field of the polynomial of the unary panel.</extracomment>
        <translation>Polynom</translation>
    </message>
    <message>
        <source>Send to list</source>
        <translation>In die Liste übernehmen</translation>
    </message>
    <message>
        <source>Numeric value for...</source>
        <extracomment>The hint of the field of the polynomial&apos;s value at the point typed beside it.</extracomment>
        <translation>Wert an der Stelle...</translation>
    </message>
    <message>
        <source>Point of the value</source>
        <extracomment>A screen reader&apos;s name of the field of the number x at which the value is calculated.</extracomment>
        <translation>Stelle des Werts</translation>
    </message>
    <message>
        <source>Numeric value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>The hint of the button that draws the polynomial&apos;s graph.</extracomment>
        <translation>Graph</translation>
    </message>
    <message>
        <source>(Int.) Roots:</source>
        <extracomment>The label of the integer roots of the polynomial; &quot;Int.&quot; is short for integer.</extracomment>
        <translation>(Ganzz.) Nullstellen:</translation>
    </message>
    <message>
        <source>Factorization:</source>
        <translation>Faktorzerlegung:</translation>
    </message>
    <message>
        <source>Derivative</source>
        <translation>Ableitung</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>First polynomial</source>
        <extracomment>A screen reader&apos;s names of the fields of the two polynomials of the binary operations, and of the one-letter lists beside them that choose them from the list.</extracomment>
        <translation>Erstes Polynom</translation>
    </message>
    <message>
        <source>Second polynomial</source>
        <translation>Zweites Polynom</translation>
    </message>
    <message>
        <source>Letter of the first polynomial</source>
        <translation>Buchstabe des ersten Polynoms</translation>
    </message>
    <message>
        <source>Letter of the second polynomial</source>
        <translation>Buchstabe des zweiten Polynoms</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The caption of the button that calculates the binary operations.</extracomment>
        <translation>Los</translation>
    </message>
    <message>
        <source>quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Quotient</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Highest Common Divisor of...</source>
        <translation>Größter gemeinsamer Teiler von...</translation>
    </message>
    <message>
        <source>Lowest Common Multiple of...</source>
        <translation>Kleinstes gemeinsames Vielfaches von...</translation>
    </message>
    <message>
        <source>(with items of the list: %1...)</source>
        <extracomment>The combined operation uses the letters of the list; %1 is &quot;A,B&quot;.</extracomment>
        <translation>(mit Einträgen der Liste: %1...)</translation>
    </message>
    <message>
        <source>operators: %1</source>
        <extracomment>%1 lists the operators, as they are typed.</extracomment>
        <translation>Operatoren: %1</translation>
    </message>
    <message>
        <source>Unary operations</source>
        <translation>Einstellige Operationen</translation>
    </message>
</context>
<context>
    <name>tessaro::TFPrbl</name>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Aufgabenstellung</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>The question of the problem; it may be edited before saving</source>
        <translation>Die Aufgabenstellung; sie kann vor dem Speichern bearbeitet werden</translation>
    </message>
    <message>
        <source>The answer of the problem; it may be edited before saving</source>
        <translation>Die Lösung der Aufgabe; sie kann vor dem Speichern bearbeitet werden</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>The hint of the Save button, which shows a picture.
----------
The title of the file dialog that saves the problem.</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Add to worksheet</source>
        <translation>Zum Arbeitsblatt hinzufügen</translation>
    </message>
    <message>
        <source>Add the problem to the worksheet</source>
        <translation>Die Aufgabe zum Arbeitsblatt hinzufügen</translation>
    </message>
    <message>
        <source>With working</source>
        <translation>Mit Rechenweg</translation>
    </message>
    <message>
        <source>End the answer with the working of each result</source>
        <translation>Die Lösung mit dem Rechenweg jedes Ergebnisses abschließen</translation>
    </message>
    <message>
        <source>Save changes to the problem?</source>
        <translation>Änderungen an der Aufgabe speichern?</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <extracomment>Keep the patterns in brackets as they are.</extracomment>
        <translation>Textdateien (%1)</translation>
    </message>
</context>
<context>
    <name>tessaro::TFPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Remember lists and windows between runs</source>
        <translation>Listen und Fenster zwischen Programmstarts merken</translation>
    </message>
    <message>
        <source>The three lists with their selections, the decimals, the open worksheet and the windows&apos; places are kept when the program ends and are back at its next start.</source>
        <translation>Die drei Listen mit ihrer Auswahl, die Nachkommastellen, das offene Arbeitsblatt und die Positionen der Fenster werden beim Beenden gespeichert und sind beim nächsten Start wieder da.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The preference cannot be stored in %1</source>
        <extracomment>%1 is the name of the settings file.</extracomment>
        <translation>Die Einstellung kann nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>tessaro::TFSheet</name>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the problem up</source>
        <translation>Die Aufgabe nach oben verschieben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the problem down</source>
        <translation>Die Aufgabe nach unten verschieben</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the problem</source>
        <translation>Die Aufgabe entfernen</translation>
    </message>
    <message>
        <source>New numbers</source>
        <translation>Neue Zahlen</translation>
    </message>
    <message>
        <source>The selected problems again with other numbers, drawn within their ranges</source>
        <translation>Die gewählten Aufgaben noch einmal mit anderen Zahlen, gezogen aus ihren Bereichen</translation>
    </message>
    <message>
        <source>Ranges…</source>
        <translation>Bereiche…</translation>
    </message>
    <message>
        <source>The ranges the problem&apos;s new numbers are drawn within</source>
        <translation>Die Bereiche, aus denen die neuen Zahlen der Aufgabe gezogen werden</translation>
    </message>
    <message>
        <source>With working</source>
        <extracomment>Whether the key shows the working of the problem&apos;s answer.</extracomment>
        <translation>Mit Rechenweg</translation>
    </message>
    <message>
        <source>The key shows the working of the answer under it</source>
        <translation>Die Lösungen zeigen unter jeder Lösung ihren Rechenweg</translation>
    </message>
    <message>
        <source>Make versions…</source>
        <translation>Versionen erstellen…</translation>
    </message>
    <message>
        <source>Versions %1 of the whole sheet, each with its own numbers and key</source>
        <extracomment>%1 is &quot;A, B, ...&quot;: the versions&apos; codes.</extracomment>
        <translation>Versionen %1 des ganzen Arbeitsblatts, jede mit eigenen Zahlen und Lösungen</translation>
    </message>
    <message>
        <source>Remove versions</source>
        <translation>Versionen entfernen</translation>
    </message>
    <message>
        <source>Print the problems as they are, without versions</source>
        <translation>Die Aufgaben so drucken, wie sie sind, ohne Versionen</translation>
    </message>
    <message>
        <source>On its own page</source>
        <extracomment>Where the answer key prints: on a page of its own, under each question, or not at all.</extracomment>
        <translation>Auf eigener Seite</translation>
    </message>
    <message>
        <source>Under each question</source>
        <translation>Unter jeder Aufgabe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Letter</source>
        <extracomment>The paper sizes: A4 is a name, Letter the paper of the United States.</extracomment>
        <translation>US-Letter</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>The instructions print under the title</source>
        <translation>Die Arbeitsanweisung wird unter dem Titel gedruckt</translation>
    </message>
    <message>
        <source>The problems in the order they print; the selected ones get new numbers</source>
        <translation>Die Aufgaben in der Reihenfolge des Drucks; die gewählten erhalten neue Zahlen</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>The number of columns the problems print in.</extracomment>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The title of the worksheet.</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Arbeitsanweisung</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Aufgabenstellung</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Preview of the printed sheet</source>
        <translation>Vorschau des gedruckten Arbeitsblatts</translation>
    </message>
    <message>
        <source>Versions %1 print in place of the problems, each with its own key</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>Statt der Aufgaben werden die Versionen %1 gedruckt, jede mit eigenen Lösungen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a worksheet not saved yet.</extracomment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Worksheet - %1</source>
        <extracomment>The window&apos;s title with the sheet&apos;s file name %1.</extracomment>
        <translation>Arbeitsblatt - %1</translation>
    </message>
    <message>
        <source>A text problem has no numbers to draw again.</source>
        <translation>Eine Textaufgabe hat keine Zahlen, die neu gezogen werden können.</translation>
    </message>
    <message>
        <source>%1 was edited. Replace its question and answer with new numbers?
(No keeps it as it is and gives the others new numbers.)</source>
        <extracomment>%1 is &quot;Problem 2&quot;; No is the question&apos;s button.</extracomment>
        <translation>%1 wurde bearbeitet. Aufgabenstellung und Lösung durch neue Zahlen ersetzen?
(Nein lässt sie, wie sie ist, und gibt den anderen neue Zahlen.)</translation>
    </message>
    <message>
        <source>%1 were edited. Replace their questions and answers with new numbers?
(No keeps them as they are and gives the others new numbers.)</source>
        <extracomment>%1 is &quot;Problems 2 and 5&quot;; No is the question&apos;s button.</extracomment>
        <translation>%1 wurden bearbeitet. Ihre Aufgabenstellungen und Lösungen durch neue Zahlen ersetzen?
(Nein lässt sie, wie sie sind, und gibt den anderen neue Zahlen.)</translation>
    </message>
    <message>
        <source>Replace versions %1 with new ones?</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>Versionen %1 durch neue ersetzen?</translation>
    </message>
    <message>
        <source>%1 was edited; the versions show the texts the program makes for their own numbers. Make the versions?</source>
        <extracomment>%1 is &quot;Problem 2&quot;.</extracomment>
        <translation>%1 wurde bearbeitet; die Versionen zeigen die Texte, die das Programm für ihre eigenen Zahlen erzeugt. Versionen erstellen?</translation>
    </message>
    <message>
        <source>%1 were edited; the versions show the texts the program makes for their own numbers. Make the versions?</source>
        <extracomment>%1 is &quot;Problems 2 and 5&quot;.</extracomment>
        <translation>%1 wurden bearbeitet; die Versionen zeigen die Texte, die das Programm für ihre eigenen Zahlen erzeugt. Versionen erstellen?</translation>
    </message>
    <message>
        <source>Make versions</source>
        <translation>Versionen erstellen</translation>
    </message>
    <message>
        <source>Versions of the sheet (%1), %2 to %3:</source>
        <extracomment>%1 is &quot;A, B, ...&quot;, the versions&apos; codes; %2 and %3 the fewest and the most versions.</extracomment>
        <translation>Versionen des Arbeitsblatts (%1), %2 bis %3:</translation>
    </message>
    <message>
        <source>Versions of the sheet</source>
        <translation>Versionen des Arbeitsblatts</translation>
    </message>
    <message>
        <source>Remove versions %1? The sheet then prints its problems as they are.</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>Versionen %1 entfernen? Das Arbeitsblatt druckt dann seine Aufgaben so, wie sie sind.</translation>
    </message>
    <message>
        <source>Save changes to the worksheet?</source>
        <translation>Änderungen am Arbeitsblatt speichern?</translation>
    </message>
    <message>
        <source>Open worksheet</source>
        <translation>Arbeitsblatt öffnen</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <source>Export worksheet</source>
        <translation>Arbeitsblatt exportieren</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <extracomment>%1 is the number of a problem of the sheet.</extracomment>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A list of problem numbers: %1 is &quot;2, 5&quot;, %2 the last number, 7.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Problems %1</source>
        <extracomment>%1 lists the numbers of problems of the sheet: &quot;2, 5 and 7&quot;.</extracomment>
        <translation>Aufgaben %1</translation>
    </message>
    <message>
        <source>Worksheets (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Arbeitsblätter (%1)</translation>
    </message>
</context>
<context>
    <name>tessaro::TFTools</name>
    <message>
        <source>Tools edition</source>
        <translation>Werkzeuge bearbeiten</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>The tools of the Tools menu, in its order</source>
        <translation>Die Werkzeuge des Menüs Werkzeuge, in seiner Reihenfolge</translation>
    </message>
    <message>
        <source>Add/Edit Tool</source>
        <translation>Werkzeug hinzufügen/bearbeiten</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The name of a tool as its menu shows it.</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The command line that starts a tool.</extracomment>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Work directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>The name of the tool in the Tools menu</source>
        <translation>Der Name des Werkzeugs im Menü Werkzeuge</translation>
    </message>
    <message>
        <source>The program the tool starts, with its arguments</source>
        <translation>Das Programm, das das Werkzeug startet, mit seinen Argumenten</translation>
    </message>
    <message>
        <source>To List</source>
        <extracomment>The hint of the button that puts the tool being edited into the list.</extracomment>
        <translation>In die Liste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save and exit</source>
        <translation>Speichern und schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exit without save</source>
        <translation>Schließen ohne Speichern</translation>
    </message>
    <message>
        <source>New Tool</source>
        <translation>Neues Werkzeug</translation>
    </message>
    <message>
        <source>Eliminate</source>
        <extracomment>The hint of the button that takes the chosen tool out of the list.</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>A tool needs a title</source>
        <translation>Ein Werkzeug braucht einen Titel</translation>
    </message>
    <message>
        <source>The list holds at most %1 tools</source>
        <extracomment>%1 is the largest number of tools.</extracomment>
        <translation>Die Liste fasst höchstens %1 Werkzeuge</translation>
    </message>
</context>
<context>
    <name>tessaro::TFWork</name>
    <message>
        <source>Working</source>
        <extracomment>The title of the window for the working of a result: %1 is what it works out (&quot;hcd and LCM&quot;).</extracomment>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the working as text</source>
        <translation>Den Rechenweg als Text kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Working: %1</source>
        <translation>Rechenweg: %1</translation>
    </message>
</context>
</TS>
