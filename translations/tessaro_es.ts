<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 takes no arguments</source>
        <extracomment>%1 is an option of the command line, such as --help.</extracomment>
        <translation>%1 no admite argumentos</translation>
    </message>
    <message>
        <source>Usage:</source>
        <extracomment>The heading of the list of the program&apos;s command lines.</extracomment>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>starts the program&apos;s windows</source>
        <translation>abre las ventanas del programa</translation>
    </message>
    <message>
        <source>Exit codes: %1 written, %2 an input refused (the message on standard error), %3 a wrong command line.</source>
        <extracomment>%1, %2 and %3 are the exit codes 0, 1 and 2.</extracomment>
        <translation>Códigos de salida: %1 escrito, %2 entrada rechazada (el mensaje en la salida de error estándar), %3 línea de comandos incorrecta.</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option typed without its value.</extracomment>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1 (%2 lists them)</source>
        <extracomment>%1 is what was typed for an option, %2 the command line that lists the options.</extracomment>
        <translation>opción desconocida %1 (%2 las enumera)</translation>
    </message>
    <message>
        <source>%1 takes %2, %3, %4, %5 or %6</source>
        <extracomment>%1 is an option, %2 to %6 the values it takes.</extracomment>
        <translation>%1 admite %2, %3, %4, %5 o %6</translation>
    </message>
    <message>
        <source>%1 takes %2, %3 or %4</source>
        <extracomment>%1 is an option, %2 to %4 the values it takes.</extracomment>
        <translation>%1 admite %2, %3 o %4</translation>
    </message>
    <message>
        <source>%1 takes a version&apos;s code, a capital letter %2 to %3</source>
        <extracomment>%1 is the option --version, %2 and %3 are A and Z.</extracomment>
        <translation>%1 admite el código de una versión, una letra mayúscula de %2 a %3</translation>
    </message>
    <message>
        <source>%1 needs a polynomial</source>
        <extracomment>%1 is the option --plot.</extracomment>
        <translation>%1 necesita un polinomio</translation>
    </message>
    <message>
        <source>%1 is %2, each %3 to %4 pixels</source>
        <extracomment>%1 is the option --size, %2 the form of its value, %3 and %4 the smallest and the largest side.</extracomment>
        <translation>%1 es %2, cada lado de %3 a %4 píxeles</translation>
    </message>
    <message>
        <source>%1 does not take %2</source>
        <extracomment>%1 is the option --plot, %2 an option typed after it.</extracomment>
        <translation>%1 no admite %2</translation>
    </message>
    <message>
        <source>%1 needs %2 or %3</source>
        <extracomment>%1 is the option --plot, %2 and %3 the options that name its file.</extracomment>
        <translation>%1 necesita %2 o %3</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <extracomment>%1 is the option --seed, %2 and %3 the smallest and the largest seed.</extracomment>
        <translation>%1 admite un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes a number of versions from %2 to %3</source>
        <extracomment>%1 is the option --count, %2 and %3 the fewest and the most versions.</extracomment>
        <translation>%1 admite un número de versiones de %2 a %3</translation>
    </message>
    <message>
        <source>%1 (%2 shows the command)</source>
        <extracomment>%1 says what is wrong with the command line, %2 is the command line that shows the right one.</extracomment>
        <translation>%1 (%2 muestra el comando)</translation>
    </message>
    <message>
        <source>%1 needs the sheet file first</source>
        <extracomment>%1 is an option, such as --export.</extracomment>
        <translation>%1 necesita primero el archivo de la hoja</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <extracomment>%1 is an option, %2 another option typed after it.</extracomment>
        <translation>%1 no admite %2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is an option.</extracomment>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <extracomment>%1 is an option, %2 another option it needs.</extracomment>
        <translation>%1 necesita %2</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The sheet has no version %1 (it has no versions)</source>
        <extracomment>%1 is the code of the version asked for, a capital letter.</extracomment>
        <translation>La hoja no tiene versión %1 (no tiene versiones)</translation>
    </message>
    <message>
        <source>The sheet has no version %1 (it has %2)</source>
        <extracomment>%1 is the code of the version asked for, %2 names those it has: &quot;A to C&quot;.</extracomment>
        <translation>La hoja no tiene versión %1 (tiene %2)</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not calculable</source>
        <translation>No calculable</translation>
    </message>
    <message>
        <source>Some coefficient %1</source>
        <extracomment>A polynomial result too large to write; %1 is &quot;&gt; Long_Max&quot;.</extracomment>
        <translation>Algún coeficiente %1</translation>
    </message>
    <message>
        <source>Degree of result %1</source>
        <extracomment>A polynomial result whose degree would pass 9; %1 is &quot;&gt;9&quot;.</extracomment>
        <translation>Grado del resultado %1</translation>
    </message>
    <message>
        <source>Not calculable (long integer overflow).</source>
        <extracomment>Begins with the words of &quot;Not calculable&quot;; keep the final full stop.</extracomment>
        <translation>No calculable (desbordamiento de entero largo).</translation>
    </message>
    <message>
        <source>Division by %1 or %2 in any step</source>
        <extracomment>A combined operation of integers that fails; %1 is 0, %2 is &quot;&gt;Long_Max&quot;.</extracomment>
        <translation>División por %1 o %2 en algún paso</translation>
    </message>
    <message>
        <source>Not calculable (%1)</source>
        <extracomment>Begins with the words of &quot;Not calculable&quot;; %1 is a condition such as &quot;N&lt; 0&quot;.</extracomment>
        <translation>No calculable (%1)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>OpenDocument text (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Texto OpenDocument (%1)</translation>
    </message>
    <message>
        <source>Plain text (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Texto sin formato (%1)</translation>
    </message>
    <message>
        <source>Any file (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Cualquier archivo (%1)</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Real roots: %1.</source>
        <extracomment>%1 lists the labels of the real roots: &quot;Real roots: -1/2, 1 (double).&quot;.</extracomment>
        <translation>Raíces reales: %1.</translation>
    </message>
    <message>
        <source>Turning points: none.</source>
        <translation>Extremos relativos: ninguno.</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doble</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>triple</translation>
    </message>
    <message>
        <source>quadruple</source>
        <translation>cuádruple</translation>
    </message>
    <message>
        <source>quintuple</source>
        <translation>quíntuple</translation>
    </message>
    <message>
        <source>sextuple</source>
        <translation>séxtuple</translation>
    </message>
    <message>
        <source>septuple</source>
        <translation>séptuple</translation>
    </message>
    <message>
        <source>octuple</source>
        <translation>óctuple</translation>
    </message>
    <message>
        <source>nonuple</source>
        <translation>nónuple</translation>
    </message>
    <message>
        <source>Real roots: every %1 (the polynomial is %2).</source>
        <extracomment>%1 is the variable, x; %2 is 0.</extracomment>
        <translation>Raíces reales: cualquier %1 (el polinomio es %2).</translation>
    </message>
    <message>
        <source>Real root: %1.</source>
        <extracomment>%1 is the label of the one real root: &quot;Real root: 1/2.&quot;.</extracomment>
        <translation>Raíz real: %1.</translation>
    </message>
    <message>
        <source>Real roots: none.</source>
        <translation>Raíces reales: ninguna.</translation>
    </message>
    <message>
        <source>Turning point: %1.</source>
        <extracomment>%1 is the label of the one turning point: &quot;Turning point: (0, -1).&quot;.</extracomment>
        <translation>Extremo relativo: %1.</translation>
    </message>
    <message>
        <source>Turning points: %1.</source>
        <extracomment>%1 lists the labels of the turning points.</extracomment>
        <translation>Extremos relativos: %1.</translation>
    </message>
    <message>
        <source>Stationary point of inflection: %1.</source>
        <extracomment>%1 is the label of the one stationary point of inflection: &quot;... (0, 0).&quot;.</extracomment>
        <translation>Punto de inflexión estacionario: %1.</translation>
    </message>
    <message>
        <source>Stationary points of inflection: %1.</source>
        <extracomment>%1 lists the labels of the stationary points of inflection.</extracomment>
        <translation>Puntos de inflexión estacionarios: %1.</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <extracomment>What the trace shows on a root; %1 is its label: &quot;Root: 1 (double)&quot;.</extracomment>
        <translation>Raíz: %1</translation>
    </message>
    <message>
        <source>root: %1</source>
        <extracomment>The same after another mark of the point: &quot;Turning point: (1, 0); root: 1&quot;.</extracomment>
        <translation>raíz: %1</translation>
    </message>
    <message>
        <source>Turning point: %1</source>
        <extracomment>What the trace shows on a turning point; %1 is its label: &quot;Turning point: (0, -1)&quot;.</extracomment>
        <translation>Extremo relativo: %1</translation>
    </message>
    <message>
        <source>turning point: %1</source>
        <extracomment>The same after another mark of the point: &quot;Root: 1 (double); turning point: (1, 0)&quot;.</extracomment>
        <translation>extremo relativo: %1</translation>
    </message>
    <message>
        <source>Stationary point of inflection: %1</source>
        <extracomment>What the trace shows on a stationary point of inflection; %1 is its label.</extracomment>
        <translation>Punto de inflexión estacionario: %1</translation>
    </message>
    <message>
        <source>stationary point of inflection: %1</source>
        <extracomment>The same after another mark of the point: &quot;Root: 0 (triple); stationary point...&quot;.</extracomment>
        <translation>punto de inflexión estacionario: %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>The guide is missing.</source>
        <translation>Falta la guía.</translation>
    </message>
</context>
<context>
    <name>Integers</name>
    <message>
        <source>%1 isn&apos;t a valid basis</source>
        <extracomment>%1 is the number typed as a basis.</extracomment>
        <translation>%1 no es una base válida</translation>
    </message>
    <message>
        <source>infinite</source>
        <extracomment>The quotient n1/n2 shown for n2 = 0.</extracomment>
        <translation>infinito</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>List full (%1 numbers)</source>
        <extracomment>%1 is the capacity of the list (23).</extracomment>
        <translation>Lista llena (%1 números)</translation>
    </message>
    <message>
        <source>List full (%1 fractions)</source>
        <extracomment>%1 is the capacity of the list (22).</extracomment>
        <translation>Lista llena (%1 fracciones)</translation>
    </message>
    <message>
        <source>List full (%1 polynomials)</source>
        <extracomment>%1 is the capacity of the list (24).</extracomment>
        <translation>Lista llena (%1 polinomios)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Wrong entry</source>
        <extracomment>The caption of a message about something typed that cannot be taken, and the text a combined operation of fractions ends with when it fails.</extracomment>
        <translation>Entrada incorrecta</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <extracomment>%1 is the name of the file.</extracomment>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <extracomment>%1 is the name of the file.</extracomment>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>An unexpected error stopped this command</source>
        <translation>Un error inesperado ha interrumpido esta orden</translation>
    </message>
</context>
<context>
    <name>Notation</name>
    <message>
        <source>hcd</source>
        <extracomment>Highest common divisor, written before brackets: hcd(12,18) = 6. Your language&apos;s usual abbreviation, in every text that shows it.</extracomment>
        <translation>mcd</translation>
    </message>
    <message>
        <source>LCM</source>
        <extracomment>Lowest common multiple, written before brackets: LCM(4,6) = 12. Your language&apos;s usual abbreviation, in every text that shows it.</extracomment>
        <translation>mcm</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>%1 is the text typed where an integer belongs, as typed; keep the quotes around it.</extracomment>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
</context>
<context>
    <name>Polynomials</name>
    <message>
        <source>Not divisible polynomials</source>
        <translation>Polinomios no divisibles</translation>
    </message>
    <message>
        <source>exponent should be %1 integer</source>
        <extracomment>%1 is &quot;&gt;1&quot;: the exponent must be an integer greater than 1.</extracomment>
        <translation>el exponente debe ser un entero %1</translation>
    </message>
    <message>
        <source>WHAT IS IT?</source>
        <extracomment>An evaluation that ended in a way the program does not know; shouted on purpose.</extracomment>
        <translation>¿QUÉ ES ESTO?</translation>
    </message>
    <message>
        <source>Not a rational polynomial</source>
        <translation>No es un polinomio racional</translation>
    </message>
</context>
<context>
    <name>ProblemParams</name>
    <message>
        <source>is not a fraction</source>
        <extracomment>After the name of a field: &quot;f2 is not a fraction&quot;.</extracomment>
        <translation>no es una fracción</translation>
    </message>
    <message>
        <source>cannot be calculated</source>
        <extracomment>After the name of a field: &quot;expression cannot be calculated&quot;.</extracomment>
        <translation>no se puede calcular</translation>
    </message>
    <message>
        <source>has no texts to make</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind has no texts to make&quot; (a typed problem).</extracomment>
        <translation>no tiene textos que generar</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <extracomment>After the name of a field: &quot;basis must be from 2 to 201&quot;.</extracomment>
        <translation>debe ser de %1 a %2</translation>
    </message>
    <message>
        <source>must hold from %1 to %2 items</source>
        <extracomment>After the name of a list: &quot;numbers must hold from 2 to 23 items&quot;.</extracomment>
        <translation>debe contener de %1 a %2 elementos</translation>
    </message>
    <message>
        <source>is empty</source>
        <extracomment>After the name of a field: &quot;expression is empty&quot;.</extracomment>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>has denominator %1</source>
        <extracomment>After the name of a field: &quot;f1 has denominator 0&quot;; %1 is 0.</extracomment>
        <translation>tiene denominador %1</translation>
    </message>
    <message>
        <source>is not a rational polynomial</source>
        <extracomment>After the name of a field: &quot;a is not a rational polynomial&quot;.</extracomment>
        <translation>no es un polinomio racional</translation>
    </message>
    <message>
        <source>has no sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind has no sections&quot;.</extracomment>
        <translation>no tiene secciones</translation>
    </message>
    <message>
        <source>mixes themes</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind mixes themes&quot; (integers with fractions...).</extracomment>
        <translation>mezcla temas</translation>
    </message>
    <message>
        <source>needs both fraction sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind needs both fraction sections&quot;.</extracomment>
        <translation>necesita las dos secciones de fracciones</translation>
    </message>
    <message>
        <source>needs the pair and combined sections</source>
        <extracomment>After &quot;kind&quot;, the name of a field: &quot;kind needs the pair and combined sections&quot;.</extracomment>
        <translation>necesita las secciones del par y de la operación combinada</translation>
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
        <translation>Si %1 y %2, calcula:</translation>
    </message>
    <message>
        <source>Calculate (if possible) for %1 :</source>
        <extracomment>%1 is &quot;N = &quot; and a number; keep the blank before the colon.</extracomment>
        <translation>Calcula (si es posible) para %1 :</translation>
    </message>
    <message>
        <source>Factorization of %1</source>
        <extracomment>%1 is the name of the number, N.</extracomment>
        <translation>Factorización de %1</translation>
    </message>
    <message>
        <source>%1 factorial (%2)</source>
        <extracomment>%1 is the name of the number, N; %2 its factorial, N!.</extracomment>
        <translation>Factorial de %1 (%2)</translation>
    </message>
    <message>
        <source>The expressions of %1 in hexadecimal,binary,octal and %2 basis</source>
        <extracomment>%1 is the name of the number, N; %2 a basis from 2 to 201.</extracomment>
        <translation>Las expresiones de %1 en base hexadecimal, binaria, octal y en base %2</translation>
    </message>
    <message>
        <source>Factorization: %1</source>
        <extracomment>%1 is the factorization written out.</extracomment>
        <translation>Factorización: %1</translation>
    </message>
    <message>
        <source>Expression in other basis:</source>
        <translation>Expresión en otras bases:</translation>
    </message>
    <message>
        <source>Hexadecimal, %1</source>
        <extracomment>%1 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Hexadecimal, %1</translation>
    </message>
    <message>
        <source>Binary, %1</source>
        <extracomment>%1 is &quot;N= &quot; and the number in that basis.</extracomment>
        <translation>Binaria, %1</translation>
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
        <translation>Si %1, calcula:</translation>
    </message>
    <message>
        <source>Calculate the %1 and %2 of %3</source>
        <extracomment>%1 and %2 are the names of the hcd and the LCM (as translated in Notation); %3 the numbers.</extracomment>
        <translation>Calcula el %1 y el %2 de %3</translation>
    </message>
    <message>
        <source>For the poynomial %1 calculate:</source>
        <extracomment>%1 is the polynomial. &quot;poynomial&quot; is the program&apos;s own spelling in English; write your language&apos;s word.</extracomment>
        <translation>Para el polinomio %1 calcula:</translation>
    </message>
    <message>
        <source>Its value for %1</source>
        <extracomment>%1 is &quot;x= &quot; and the point.</extracomment>
        <translation>Su valor para %1</translation>
    </message>
    <message>
        <source>Its integer roots (if any)</source>
        <translation>Sus raíces enteras (si las tiene)</translation>
    </message>
    <message>
        <source>Its factorization.</source>
        <translation>Su factorización.</translation>
    </message>
    <message>
        <source>Its derivative.</source>
        <translation>Su derivada.</translation>
    </message>
    <message>
        <source>Its integral.</source>
        <translation>Su integral.</translation>
    </message>
    <message>
        <source>Integer roots: %1</source>
        <extracomment>%1 lists the roots.</extracomment>
        <translation>Raíces enteras: %1</translation>
    </message>
    <message>
        <source>Derivative: %1</source>
        <extracomment>%1 is the derivative.</extracomment>
        <translation>Derivada: %1</translation>
    </message>
    <message>
        <source>Integral: %1</source>
        <extracomment>%1 is the integral.</extracomment>
        <translation>Integral: %1</translation>
    </message>
    <message>
        <source>For the poynomials</source>
        <extracomment>&quot;poynomials&quot; is the program&apos;s own spelling in English; write your language&apos;s word.</extracomment>
        <translation>Para los polinomios</translation>
    </message>
    <message>
        <source>calculate: %1</source>
        <extracomment>%1 lists the operations: &quot;A+B, A-B, ...&quot;.</extracomment>
        <translation>calcula: %1</translation>
    </message>
    <message>
        <source>Calculate %1 , being:</source>
        <extracomment>%1 is the expression; the values of its letters follow on the next lines.</extracomment>
        <translation>Calcula %1 , siendo:</translation>
    </message>
    <message>
        <source>Question:</source>
        <extracomment>The heading of the question in a problem file.</extracomment>
        <translation>Enunciado:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <extracomment>The heading of the answer in a problem file.</extracomment>
        <translation>Solución:</translation>
    </message>
    <message>
        <source>If %1, calculate %2</source>
        <extracomment>%1 gives the values of the letters (&quot; a= 5 b= 3&quot;, beginning with blanks); %2 is the expression to calculate.</extracomment>
        <translation>Si %1, calcula %2</translation>
    </message>
    <message>
        <source>Calculate %1</source>
        <extracomment>%1 is the expression to calculate.</extracomment>
        <translation>Calcula %1</translation>
    </message>
    <message>
        <source>Working:</source>
        <extracomment>The heading of the steps after an answer.</extracomment>
        <translation>Desarrollo:</translation>
    </message>
</context>
<context>
    <name>Ranges</name>
    <message>
        <source>must lie within %1 to %2</source>
        <extracomment>After the key of a range [start, end]: &quot;degree must lie within 0 to 9&quot;.</extracomment>
        <translation>debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>starts above its end (%1 &gt; %2)</source>
        <extracomment>After the key of a range [start, end]: &quot;coef starts above its end (2 &gt; -2)&quot;; %1 is the start, %2 the end.</extracomment>
        <translation>empieza por encima de su final (%1 &gt; %2)</translation>
    </message>
    <message>
        <source>is below %1 (%2 &lt; %3)</source>
        <extracomment>After the key max: &quot;max is below min (3 &lt; 5)&quot;; %1 is the key min, %2 max&apos;s value, %3 min&apos;s.</extracomment>
        <translation>es menor que %1 (%2 &lt; %3)</translation>
    </message>
    <message>
        <source>leaves only %1 to draw, and %2 is never %1</source>
        <extracomment>After the key max: &quot;max leaves only 0 to draw, and b is never 0&quot;; %1 is 0, %2 the name of the divisor b.</extracomment>
        <translation>solo deja %1 para sortear, y %2 nunca es %1</translation>
    </message>
    <message>
        <source>of %1 needs a number of %2 or more in magnitude; %3 and %4 allow at most %5</source>
        <extracomment>After the key euclid_steps: &quot;euclid_steps of 5 needs a number of 13 or more in magnitude; min and max allow at most 12&quot;. %1 is the steps, %2 the least number, %3 and %4 the keys min and max, %5 the largest number they allow.</extracomment>
        <translation>de %1 necesita un número de valor absoluto %2 o mayor; %3 y %4 permiten como máximo %5</translation>
    </message>
    <message>
        <source>holds only %1, and a leading coefficient is never %1</source>
        <extracomment>After the key lead: &quot;lead holds only 0, and a leading coefficient is never 0&quot;; %1 is 0.</extracomment>
        <translation>solo contiene %1, y un coeficiente principal nunca es %1</translation>
    </message>
    <message>
        <source>starts at %1, and the integral of a polynomial of degree %1 is beyond degree %1</source>
        <extracomment>After the key degree: &quot;degree starts at 9, and the integral of a polynomial of degree 9 is beyond degree 9&quot;; %1 is 9.</extracomment>
        <translation>empieza en %1, y la integral de un polinomio de grado %1 supera el grado %1</translation>
    </message>
    <message>
        <source>starts at %1, and the product of two polynomials of that degree is beyond degree %2</source>
        <extracomment>After the key degree: &quot;degree starts at 5, and the product of two polynomials of that degree is beyond degree 9&quot;; %1 is the start, %2 is 9.</extracomment>
        <translation>empieza en %1, y el producto de dos polinomios de ese grado supera el grado %2</translation>
    </message>
    <message>
        <source>needs a degree of %1 or more; %2 goes up to %3</source>
        <extracomment>After the key common_factor: &quot;common_factor needs a degree of 1 or more; degree goes up to 0&quot;; %1 is 1, %2 the key degree, %3 its end.</extracomment>
        <translation>necesita un grado de %1 o más; %2 llega hasta %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A span of numbers or of versions: &quot;-8 to 8&quot;, &quot;A to D&quot;.</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>is not a range of %1 problems</source>
        <extracomment>After the key of a range: &quot;proper is not a range of polynomial-single problems&quot;; %1 is the kind&apos;s name as the files write it.</extracomment>
        <translation>no es un intervalo de los problemas %1</translation>
    </message>
    <message>
        <source>Smallest number</source>
        <translation>Número mínimo</translation>
    </message>
    <message>
        <source>Largest number</source>
        <translation>Número máximo</translation>
    </message>
    <message>
        <source>Divisions of Euclid&apos;s algorithm (empty: any)</source>
        <extracomment>Empty: the field may be left empty, for any number of divisions.</extracomment>
        <translation>Divisiones del algoritmo de Euclides (vacío: cualquiera)</translation>
    </message>
    <message>
        <source>Largest numerator</source>
        <translation>Numerador máximo</translation>
    </message>
    <message>
        <source>Largest denominator</source>
        <translation>Denominador máximo</translation>
    </message>
    <message>
        <source>Proper fractions only</source>
        <translation>Solo fracciones propias</translation>
    </message>
    <message>
        <source>Degree</source>
        <extracomment>The degree of the polynomials drawn.</extracomment>
        <translation>Grado</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <extracomment>The coefficients of the polynomials drawn, but the leading one.</extracomment>
        <translation>Coeficientes</translation>
    </message>
    <message>
        <source>Leading coefficient</source>
        <translation>Coeficiente principal</translation>
    </message>
    <message>
        <source>Built from integer roots</source>
        <translation>Construido a partir de raíces enteras</translation>
    </message>
    <message>
        <source>Integer roots</source>
        <translation>Raíces enteras</translation>
    </message>
    <message>
        <source>Point of the value</source>
        <extracomment>The number x at which a polynomial&apos;s value is asked for.</extracomment>
        <translation>Punto de evaluación</translation>
    </message>
    <message>
        <source>%1 and %2 share a factor</source>
        <extracomment>A and B are the names of the two polynomials of the problem.</extracomment>
        <translation>%1 y %2 tienen un factor común</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <extracomment>After the key of a range: &quot;min must be a whole number from -2147483646 to 2147483646&quot;.</extracomment>
        <translation>debe ser un número entero de %1 a %2</translation>
    </message>
</context>
<context>
    <name>Renewal</name>
    <message>
        <source>no pair within %1 and %2 (%3) takes exactly %4 divisions of Euclid&apos;s algorithm. Widen %1 and %2, or lower %5.</source>
        <extracomment>%1 and %2 are the keys min and max, %3 their span (&quot;50 to 60&quot;), %4 a number of divisions, %5 the key euclid_steps.</extracomment>
        <translation>ningún par entre %1 y %2 (%3) necesita exactamente %4 divisiones del algoritmo de Euclides. Amplía %1 y %2, o reduce %5.</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;) within %2 and %3 (%4). Narrow %2 and %3.</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys min and max, %4 their span (&quot;200 to 300&quot;).</extracomment>
        <translation>todos los sorteos dieron un resultado que el programa no puede mostrar (un desbordamiento o &quot;%1&quot;) entre %2 y %3 (%4). Estrecha %2 y %3.</translation>
    </message>
    <message>
        <source>the program refused every draw (%1) within %2 and %3 (%4). Change %2 and %3.</source>
        <extracomment>%1 is why the program refused the last draw (&quot;expression cannot be calculated&quot;); %2 and %3 are the keys min and max, %4 their span (&quot;1 to 30&quot;).</extracomment>
        <translation>el programa rechazó todos los sorteos (%1) entre %2 y %3 (%4). Cambia %2 y %3.</translation>
    </message>
    <message>
        <source>%1 and %2 (%3 and %4) leave too few different fractions for a list of %5. Widen %1 and %2.</source>
        <extracomment>%1 and %2 are the keys max_num and max_den, %3 and %4 their values, %5 the size of the list.</extracomment>
        <translation>%1 y %2 (%3 y %4) dejan muy pocas fracciones distintas para una lista de %5. Amplía %1 y %2.</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;). Narrow %2 and %3 (%4 and %5).</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys max_num and max_den, %4 and %5 their values.</extracomment>
        <translation>todos los sorteos dieron un resultado que el programa no puede mostrar (un desbordamiento o &quot;%1&quot;). Reduce %2 y %3 (%4 y %5).</translation>
    </message>
    <message>
        <source>the program refused every draw (%1). Change %2 and %3 (%4 and %5).</source>
        <extracomment>%1 is why the program refused the last draw; %2 and %3 are the keys max_num and max_den, %4 and %5 their values.</extracomment>
        <translation>el programa rechazó todos los sorteos (%1). Cambia %2 y %3 (%4 y %5).</translation>
    </message>
    <message>
        <source>every draw gave a result of degree above %1 (&quot;%2&quot;). Lower the top of %3 (now %4).</source>
        <extracomment>%1 is 9, %2 the text &quot;Degree of result &gt;9&quot; as the windows show it, %3 the key degree, %4 the top of its range.</extracomment>
        <translation>todos los sorteos dieron un resultado de grado mayor que %1 (&quot;%2&quot;). Baja el máximo de %3 (ahora %4).</translation>
    </message>
    <message>
        <source>every draw gave a result the program cannot show (an overflow or &quot;%1&quot;). Narrow %2 and %3 (%4, %5), or lower %6.</source>
        <extracomment>%1 is the text &quot;Not calculable&quot; as the windows show it; %2 and %3 are the keys lead and coef (or roots), %4 and %5 their spans (&quot;1 to 9&quot;), %6 the key degree.</extracomment>
        <translation>todos los sorteos dieron un resultado que el programa no puede mostrar (un desbordamiento o &quot;%1&quot;). Estrecha %2 y %3 (%4, %5), o reduce %6.</translation>
    </message>
    <message>
        <source>the program refused every draw (%1). Change %2 (%3) or %4 and %5 (%6, %7).</source>
        <extracomment>%1 is why the program refused the last draw; %2 is the key degree, %3 its span; %4 and %5 are the keys lead and coef (or roots), %6 and %7 their spans.</extracomment>
        <translation>el programa rechazó todos los sorteos (%1). Cambia %2 (%3) o %4 y %5 (%6, %7).</translation>
    </message>
    <message>
        <source>the program refused every draw (%1).</source>
        <extracomment>%1 is why the program refused the last draw.</extracomment>
        <translation>el programa rechazó todos los sorteos (%1).</translation>
    </message>
    <message>
        <source>%1 to %2 (%3) holds fewer than the %4 different numbers of the list. Widen %1 and %2.</source>
        <extracomment>%1 and %2 are the keys min and max, %3 their span (&quot;1 to 3&quot;), %4 the size of the list.</extracomment>
        <translation>el intervalo de %1 a %2 (%3) contiene menos de los %4 números distintos de la lista. Amplía %1 y %2.</translation>
    </message>
    <message>
        <source>No new numbers after %1 draws: %2</source>
        <extracomment>%1 is the number of draws made, %2 the advice: what went wrong and which range to change.</extracomment>
        <translation>No hay números nuevos tras %1 sorteos: %2</translation>
    </message>
    <message>
        <source>Problem %1: %2</source>
        <extracomment>A refusal of a problem of the sheet: %1 is its number, from 1, %2 the message.</extracomment>
        <translation>Problema %1: %2</translation>
    </message>
    <message>
        <source>The number of versions must be from %1 to %2.</source>
        <extracomment>%1 and %2 are the fewest and the most versions.</extracomment>
        <translation>El número de versiones debe ser de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>Roots</name>
    <message>
        <source>all</source>
        <extracomment>The integer roots of the zero polynomial: every integer is one.</extracomment>
        <translation>todas</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No integer roots.</extracomment>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>Themes</name>
    <message>
        <source>Working</source>
        <extracomment>The hint of the button beside a panel&apos;s problem button that shows the working of its results, step by step.</extracomment>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>The menu of problems, and the hint of the button that makes the problem of a panel.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Binary operations</source>
        <translation>Operaciones binarias</translation>
    </message>
    <message>
        <source>Combined operation</source>
        <translation>Operación combinada</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The command of the Problem menu that makes a problem of every panel.</extracomment>
        <translation>Todo</translation>
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
        <translation>Vaciar lista</translation>
    </message>
    <message>
        <source>Letters of the list</source>
        <extracomment>The column of letters (A, B, ...) that names the items of the list.</extracomment>
        <translation>Letras de la lista</translation>
    </message>
    <message>
        <source>Expression</source>
        <extracomment>The field where an operation on the list&apos;s letters is typed.</extracomment>
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>The value a combined operation gives.</extracomment>
        <translation>Valor</translation>
    </message>
    <message>
        <source>The expression with the values of the list</source>
        <extracomment>The expression of a combined operation with the values of the list&apos;s letters put in.</extracomment>
        <translation>La expresión con los valores de la lista</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Cannot start %1</source>
        <extracomment>%1 is the command line of the tool.</extracomment>
        <translation>No se puede iniciar %1</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>%1 more step</source>
        <extracomment>After a working cut short: %1 is the number of steps left out (1).</extracomment>
        <translation>%1 paso más</translation>
    </message>
    <message>
        <source>%1 more steps</source>
        <extracomment>After a working cut short: %1 is the number of steps left out (2 or more).</extracomment>
        <translation>%1 pasos más</translation>
    </message>
    <message>
        <source>%1: nested too deeply</source>
        <extracomment>%1 is the part of an expression that has too many brackets inside brackets.</extracomment>
        <translation>%1: demasiados paréntesis anidados</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the part of an expression that is no number or operation.</extracomment>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the part of an expression that fails, %2 why: &quot;A/B: Not divisible polynomials&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: denominator %2</source>
        <extracomment>%1 is a fraction or an operation of fractions with a denominator 0; %2 is 0.</extracomment>
        <translation>%1: denominador %2</translation>
    </message>
    <message>
        <source>%1: %2, already in lowest terms</source>
        <extracomment>%1 is a fraction, %2 says its numerator and denominator have no common divisor: &quot;3/4: hcd(3,4) = 1, already in lowest terms&quot;.</extracomment>
        <translation>%1: %2, ya es irreducible</translation>
    </message>
    <message>
        <source>%1, kept as %2</source>
        <extracomment>%1 is a simplification that cannot be written (&quot;... &gt; LONG_MAX&quot;), %2 the fraction as typed.</extracomment>
        <translation>%1, se deja como %2</translation>
    </message>
    <message>
        <source>%1, %2: not two fractions</source>
        <extracomment>%1 and %2 are the two texts typed as fractions.</extracomment>
        <translation>%1, %2: no son dos fracciones</translation>
    </message>
    <message>
        <source>%1 has no prime factorization</source>
        <extracomment>%1 is 0.</extracomment>
        <translation>%1 no tiene factorización en números primos</translation>
    </message>
    <message>
        <source>%1 has no prime factor</source>
        <extracomment>%1 is 1.</extracomment>
        <translation>%1 no tiene ningún factor primo</translation>
    </message>
    <message>
        <source>%1 (basis %2)</source>
        <extracomment>%1 is a number written in another basis (&quot;255 = FF&quot;), %2 that basis (16).</extracomment>
        <translation>%1 (base %2)</translation>
    </message>
    <message>
        <source>%1: root</source>
        <extracomment>%1 shows a value 0 of the polynomial: &quot;P(2) = 0&quot;.</extracomment>
        <translation>%1: raíz</translation>
    </message>
    <message>
        <source>%1: a coefficient %2</source>
        <extracomment>%1 is a step of a polynomial calculation, %2 is &quot;&gt; LONG_MAX&quot;.</extracomment>
        <translation>%1: un coeficiente %2</translation>
    </message>
    <message>
        <source>%1, multiplicity of %2: %3</source>
        <extracomment>%1 shows the value of the polynomial at a root after dividing it out (&quot;P(2) = 3&quot;), %2 is the root, %3 how many times it is one.</extracomment>
        <translation>%1, multiplicidad de %2: %3</translation>
    </message>
    <message>
        <source>%1 has a lower degree than %2</source>
        <extracomment>%1 and %2 are polynomials.</extracomment>
        <translation>%1 tiene menor grado que %2</translation>
    </message>
    <message>
        <source>%1: every number is a root</source>
        <extracomment>%1 is &quot;P = 0&quot;.</extracomment>
        <translation>%1: todo número es raíz</translation>
    </message>
    <message>
        <source>%1: an integer multiple passes %2</source>
        <extracomment>%1 is &quot;P = &quot; and the polynomial, %2 is LONG_MAX.</extracomment>
        <translation>%1: un múltiplo entero supera %2</translation>
    </message>
    <message>
        <source>constant term %1, divisors tried: %2</source>
        <extracomment>%1 is the constant term of the polynomial, %2 its divisors: &quot;±1, ±2&quot;.</extracomment>
        <translation>término independiente %1, divisores probados: %2</translation>
    </message>
    <message>
        <source>roots: %1</source>
        <extracomment>%1 lists the integer roots.</extracomment>
        <translation>raíces: %1</translation>
    </message>
    <message>
        <source>%1: degree %2</source>
        <extracomment>%1 is the integral asked for, %2 the degree it would have: &quot;10 &gt; 9&quot;.</extracomment>
        <translation>%1: grado %2</translation>
    </message>
    <message>
        <source>%1: division by %2</source>
        <extracomment>%1 is the division that fails (&quot;12 ÷ 0&quot;), %2 is 0.</extracomment>
        <translation>%1: división por %2</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>Version %1</source>
        <extracomment>The heading of one version of a sheet: %1 is its code, a capital letter.</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Name: ____  Date: ____</source>
        <extracomment>The line where a student writes a name and the date; the underscores are the room to write in.</extracomment>
        <translation>Nombre: ____  Fecha: ____</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>version %1</source>
        <extracomment>Where a worksheet file is at fault: &quot;version B, problem 2, field &quot;f1&quot;&quot;. %1 is a version&apos;s code.</extracomment>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>problem %1</source>
        <extracomment>%1 is the problem&apos;s number, from 1.</extracomment>
        <translation>problema %1</translation>
    </message>
    <message>
        <source>field &quot;%1&quot;</source>
        <extracomment>%1 is the field&apos;s name as the file writes it.</extracomment>
        <translation>campo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be an object { ... }</source>
        <translation>debe ser un objeto { ... }</translation>
    </message>
    <message>
        <source>must be a list [ ... ]</source>
        <translation>debe ser una lista [ ... ]</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>debe ser true o false</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>must be a text in double quotes</source>
        <translation>debe ser un texto entre comillas dobles</translation>
    </message>
    <message>
        <source>must be an integer from %1 to %2</source>
        <translation>debe ser un entero de %1 a %2</translation>
    </message>
    <message>
        <source>item %1 must be an integer</source>
        <extracomment>%1 is the number of an item of a list, from 1.</extracomment>
        <translation>el elemento %1 debe ser un entero</translation>
    </message>
    <message>
        <source>item %1 must be a text in double quotes</source>
        <extracomment>%1 is the number of an item of a list, from 1.</extracomment>
        <translation>el elemento %1 debe ser un texto entre comillas dobles</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>must be a pair [lo, hi] of whole numbers from %1 to %2</source>
        <extracomment>After the key of a range; lo and hi stand for its start and end.</extracomment>
        <translation>debe ser un par [desde, hasta] de números enteros de %1 a %2</translation>
    </message>
    <message>
        <source>is not a field of ranges</source>
        <translation>no es un campo de intervalos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of problem</source>
        <extracomment>%1 is the kind the file names.</extracomment>
        <translation>&quot;%1&quot; no es un tipo de problema</translation>
    </message>
    <message>
        <source>is not a field of the params of %1</source>
        <extracomment>%1 is the kind of the problem, as the file names it.</extracomment>
        <translation>no es un campo de los parámetros de %1</translation>
    </message>
    <message>
        <source>is not a field of a problem</source>
        <translation>no es un campo de un problema</translation>
    </message>
    <message>
        <source>is missing (a text problem has only its texts)</source>
        <translation>falta (un problema de texto solo tiene sus textos)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one capital letter %2 to %3</source>
        <extracomment>%1 is the code the file gives; %2 and %3 are A and Z.</extracomment>
        <translation>&quot;%1&quot; debe ser una letra mayúscula de %2 a %3</translation>
    </message>
    <message>
        <source>version %1 is there twice</source>
        <extracomment>%1 is a version&apos;s code.</extracomment>
        <translation>la versión %1 aparece dos veces</translation>
    </message>
    <message>
        <source>is not a field of a version</source>
        <translation>no es un campo de una versión</translation>
    </message>
    <message>
        <source>not a Tessaro worksheet (no { ... } around it)</source>
        <translation>no es una hoja de ejercicios de Tessaro (no está rodeada de { ... })</translation>
    </message>
    <message>
        <source>not a Tessaro worksheet (field &quot;%1&quot; must be &quot;%2&quot;)</source>
        <extracomment>%1 is the key format, %2 the value it must have; both as the file writes them.</extracomment>
        <translation>no es una hoja de ejercicios de Tessaro (el campo &quot;%1&quot; debe ser &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>must be a whole number from %1</source>
        <extracomment>%1 is 1, the first version of the file&apos;s form.</extracomment>
        <translation>debe ser un número entero a partir de %1</translation>
    </message>
    <message>
        <source>the file is of a newer version than this program reads (%1); a newer Tessaro opens it</source>
        <extracomment>%1 is the newest version of the file&apos;s form the program reads.</extracomment>
        <translation>el archivo es de una versión más reciente que la que lee este programa (%1); ábrelo con un Tessaro más reciente</translation>
    </message>
    <message>
        <source>must be %1 or %2</source>
        <extracomment>%1 and %2 are the numbers of columns a sheet may have, 1 and 2.</extracomment>
        <translation>debe ser %1 o %2</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot;, &quot;%2&quot; or &quot;%3&quot;</source>
        <extracomment>%1, %2 and %3 are the values the file may give, as it writes them.</extracomment>
        <translation>debe ser &quot;%1&quot;, &quot;%2&quot; o &quot;%3&quot;</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot; or &quot;%2&quot;</source>
        <extracomment>%1 and %2 are the values the file may give, as it writes them.</extracomment>
        <translation>debe ser &quot;%1&quot; o &quot;%2&quot;</translation>
    </message>
    <message>
        <source>is not a field of a worksheet</source>
        <translation>no es un campo de una hoja de ejercicios</translation>
    </message>
    <message>
        <source>larger than %1 MB: not a worksheet</source>
        <extracomment>%1 is the largest size read, in megabytes.</extracomment>
        <translation>mayor de %1 MB: no es una hoja de ejercicios</translation>
    </message>
    <message>
        <source>not a worksheet: not JSON text in %1 (at byte %2)</source>
        <extracomment>%1 is UTF-8, %2 the place of the fault, counted in bytes.</extracomment>
        <translation>no es una hoja de ejercicios: no es texto JSON en %1 (en el byte %2)</translation>
    </message>
    <message>
        <source>not a worksheet: it holds a number too large to read</source>
        <translation>no es una hoja de ejercicios: contiene un número demasiado grande para leerlo</translation>
    </message>
</context>
<context>
    <name>tessaro::TDlgRanges</name>
    <message>
        <source>Ranges of problem %1</source>
        <extracomment>%1 is the number of the problem in the sheet.</extracomment>
        <translation>Intervalos del problema %1</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the fields of the start and the end of a range: &quot;1 to 8&quot;.</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>%1, from</source>
        <extracomment>A screen reader&apos;s names of the fields of a range: %1 is the range in words.</extracomment>
        <translation>%1, desde</translation>
    </message>
    <message>
        <source>%1, to</source>
        <extracomment>A screen reader&apos;s name of the field of a range&apos;s end: %1 is the range in words.</extracomment>
        <translation>%1, hasta</translation>
    </message>
    <message>
        <source>Defaults</source>
        <extracomment>The button that puts every range back to its default.</extracomment>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>The ranges of the theme window&apos;s own dice</source>
        <translation>Los intervalos de los dados propios de la ventana del tema</translation>
    </message>
    <message>
        <source>New numbers of problem %1 are drawn within these ranges.</source>
        <extracomment>%1 is the number of the problem in the sheet.</extracomment>
        <translation>Los números nuevos del problema %1 se sortean dentro de estos intervalos.</translation>
    </message>
</context>
<context>
    <name>tessaro::TFAbout</name>
    <message>
        <source>About</source>
        <extracomment>The title of the About box before it names the program.</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of the About box: %1 is the program&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
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
        <translation>Aritmética de números enteros</translation>
    </message>
    <message>
        <source>Operations with</source>
        <extracomment>The title of the panels of one integer N and of two integers n1 and n2, whose fields follow the title.</extracomment>
        <translation>Operaciones con</translation>
    </message>
    <message>
        <source>Integer %1</source>
        <extracomment>A screen reader&apos;s name of the field of the integer N; %1 is N.</extracomment>
        <translation>Entero %1</translation>
    </message>
    <message>
        <source> Add to list </source>
        <extracomment>The hint of the button that puts N into the list; keep the blanks at its ends.</extracomment>
        <translation> Añadir a la lista </translation>
    </message>
    <message>
        <source>Exponent %1</source>
        <extracomment>A screen reader&apos;s name of the drop-down list of the exponent: %1 is its name, k.</extracomment>
        <translation>Exponente %1</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <extracomment>A screen reader&apos;s name of the field of N^k: %1 is N, %2 is k.</extracomment>
        <translation>%1 elevado a %2</translation>
    </message>
    <message>
        <source>Factorial of %1</source>
        <extracomment>A screen reader&apos;s name of the field of N!; %1 is N.</extracomment>
        <translation>Factorial de %1</translation>
    </message>
    <message>
        <source>Factorization:</source>
        <translation>Factorización:</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>In basis....</source>
        <extracomment>The title of the panel of N written in other bases; the dots are the design&apos;s.</extracomment>
        <translation>En base....</translation>
    </message>
    <message>
        <source>Put your basis here</source>
        <translation>Escribe aquí tu base</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
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
        <translation>%1 en tu base</translation>
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
        <translation>Máximo común divisor</translation>
    </message>
    <message>
        <source>Lowest Common Multiple</source>
        <translation>Mínimo común múltiplo</translation>
    </message>
    <message>
        <source>Decimals of %1</source>
        <extracomment>A screen reader&apos;s name of the drop-down list of the decimals of %1, a result&apos;s name.</extracomment>
        <translation>Decimales de %1</translation>
    </message>
    <message>
        <source>quotient</source>
        <translation>cociente</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>resto</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Cociente</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Resto</translation>
    </message>
    <message>
        <source>Float division</source>
        <translation>División decimal</translation>
    </message>
    <message>
        <source>Integer division</source>
        <translation>División entera</translation>
    </message>
    <message>
        <source>Numbers of the list</source>
        <extracomment>A screen reader&apos;s name of the list of numbers, each with its hexadecimal form.</extracomment>
        <translation>Números de la lista</translation>
    </message>
    <message>
        <source>uns.</source>
        <extracomment>A short caption (&quot;unselect&quot;) of a narrow button.</extracomment>
        <translation>uns.</translation>
    </message>
    <message>
        <source>Unselect all</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>erase item</source>
        <translation>borrar elemento</translation>
    </message>
    <message>
        <source>Multiple selection: Ctl-Click (mouse)</source>
        <extracomment>How to select several numbers; Ctl is the Control key.</extracomment>
        <translation>Selección múltiple: Ctrl-clic (ratón)</translation>
    </message>
    <message>
        <source>Higuest Common Divisor of selected numbers</source>
        <extracomment>The hint of the field of the hcd of the selection; the spelling is the design&apos;s.</extracomment>
        <translation>Máximo común divisor de los números seleccionados</translation>
    </message>
    <message>
        <source>Lowest Common Multiple of selected numbers</source>
        <translation>Mínimo común múltiplo de los números seleccionados</translation>
    </message>
    <message>
        <source>%1 of the selected numbers</source>
        <extracomment>A screen reader&apos;s name of a result of the selection: %1 is &quot;hcd&quot; or &quot;LCM&quot;.</extracomment>
        <translation>%1 de los números seleccionados</translation>
    </message>
    <message>
        <source>Operators: %1</source>
        <extracomment>%1 lists the operators, as they are typed.</extracomment>
        <translation>Operadores: %1</translation>
    </message>
    <message>
        <source>(with %1...)</source>
        <extracomment>Beside the field of the combined operation: it uses the letters of the list; %1 is &quot;a,b&quot;.</extracomment>
        <translation>(con %1...)</translation>
    </message>
    <message>
        <source>rational %1</source>
        <extracomment>The result of the combined operation as a fraction; %1 is its name, N.</extracomment>
        <translation>%1 racional</translation>
    </message>
    <message>
        <source>float %1</source>
        <extracomment>The result of the combined operation in decimals; %1 is its name, N.</extracomment>
        <translation>%1 decimal</translation>
    </message>
    <message>
        <source>With %1 integer</source>
        <extracomment>The problem of the panel of one integer; %1 is 1.</extracomment>
        <translation>Con %1 entero</translation>
    </message>
    <message>
        <source>With %1 integers</source>
        <extracomment>The problem of the panel of two integers; %1 is 2.</extracomment>
        <translation>Con %1 enteros</translation>
    </message>
    <message>
        <source>Combined operations</source>
        <translation>Operaciones combinadas</translation>
    </message>
    <message>
        <source>%1 and %2 of %3 integers</source>
        <extracomment>The problem of the list: %1 and %2 are &quot;hcd&quot; and &quot;LCM&quot;, %3 the letter n.</extracomment>
        <translation>%1 y %2 de %3 enteros</translation>
    </message>
    <message>
        <source>Make problem</source>
        <extracomment>The hint of the button that makes the problem of a panel.</extracomment>
        <translation>Crear problema</translation>
    </message>
    <message>
        <source>Hex</source>
        <extracomment>Short for hexadecimal, beside the field of N in base 16 and over the list&apos;s column.</extracomment>
        <translation>Hex</translation>
    </message>
    <message>
        <source>(                decimals)</source>
        <extracomment>A drop-down list of the number of decimals stands on the blanks: keep a run of blanks (about 16) where the number goes, and the brackets.</extracomment>
        <translation>(                decimales)</translation>
    </message>
    <message>
        <source>%1 isn&apos;t a valid integer</source>
        <extracomment>%1 is the text typed for N.</extracomment>
        <translation>%1 no es un entero válido</translation>
    </message>
</context>
<context>
    <name>tessaro::TFFracc</name>
    <message>
        <source>Fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>Entry / generate</source>
        <translation>Entrada / generar</translation>
    </message>
    <message>
        <source>Empty or %1 for integer</source>
        <extracomment>The hint of the denominator&apos;s field: %1 is 1.</extracomment>
        <translation>Vacío o %1 para entero</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Numerador</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Denominador</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>The caption of the button that takes the fraction typed.</extracomment>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>%1  as it</source>
        <extracomment>Over the fraction as it was typed; %1 is the fraction&apos;s notation a/b. The double blank is the design&apos;s.</extracomment>
        <translation>%1  tal cual</translation>
    </message>
    <message>
        <source>%1  simpl.</source>
        <extracomment>Over the fraction simplified (&quot;simpl.&quot;); %1 is the fraction&apos;s notation a/b. The double blank is the design&apos;s.</extracomment>
        <translation>%1  simpl.</translation>
    </message>
    <message>
        <source>The fraction as typed</source>
        <translation>La fracción tal como se escribió</translation>
    </message>
    <message>
        <source>The fraction simplified</source>
        <translation>La fracción simplificada</translation>
    </message>
    <message>
        <source>Simplify always</source>
        <translation>Simplificar siempre</translation>
    </message>
    <message>
        <source>Pass the simplified form to list</source>
        <translation>Pasar la forma simplificada a la lista</translation>
    </message>
    <message>
        <source>Fractions of the list</source>
        <translation>Fracciones de la lista</translation>
    </message>
    <message>
        <source>Erase item</source>
        <translation>Borrar elemento</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The caption of the button that calculates the four operations.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>Denominator can&apos;t be zero</source>
        <translation>El denominador no puede ser cero</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The caption of the message of a fraction beyond what the program holds.</extracomment>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>tessaro::TFGraph</name>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Facts of the graph</source>
        <translation>Datos de la gráfica</translation>
    </message>
    <message>
        <source>Zoom: wheel, + and −. Move: drag, arrow keys. Fit: Home.
Trace: mouse, Shift+← →; Ctrl+← → jumps to the next point.</source>
        <extracomment>The keys of the graph; keep the line break, the keys&apos; names may be your keyboard&apos;s.</extracomment>
        <translation>Zoom: rueda, + y −. Mover: arrastrar, teclas de flecha. Ajustar: Inicio.
Trazado: ratón, Mayús+← →; Ctrl+← → salta al punto siguiente.</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit</source>
        <extracomment>Show the whole curve with its points again.</extracomment>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fit every point (Home)</source>
        <translation>Ajustar todos los puntos (Inicio)</translation>
    </message>
    <message>
        <source>Save as a PNG picture</source>
        <translation>Guardar como imagen PNG</translation>
    </message>
    <message>
        <source>Save as an SVG drawing</source>
        <translation>Guardar como dibujo SVG</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print the graph</source>
        <translation>Imprimir la gráfica</translation>
    </message>
    <message>
        <source>Trace: -</source>
        <extracomment>The trace before the mouse or the keys have chosen a point.</extracomment>
        <translation>Trazado: -</translation>
    </message>
    <message>
        <source>Graph of %1</source>
        <translation>Gráfica de %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The graph&apos;s name for a screen reader while it traces: %1 names the graph, %2 is the trace.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Save the graph</source>
        <translation>Guardar la gráfica</translation>
    </message>
    <message>
        <source>PNG pictures (%1)</source>
        <translation>Imágenes PNG (%1)</translation>
    </message>
    <message>
        <source>SVG drawings (%1)</source>
        <translation>Dibujos SVG (%1)</translation>
    </message>
    <message>
        <source>A graph is saved as %1 or %2</source>
        <extracomment>Keep the suffixes as they are.</extracomment>
        <translation>Una gráfica se guarda como %1 o %2</translation>
    </message>
    <message>
        <source>Cannot print</source>
        <translation>No se puede imprimir</translation>
    </message>
</context>
<context>
    <name>tessaro::TFHelp</name>
    <message>
        <source>Tessaro guide</source>
        <extracomment>The title of the window of the program&apos;s guide.</extracomment>
        <translation>Guía de Tessaro</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
</context>
<context>
    <name>tessaro::TFMI</name>
    <message>
        <source>Maths of rational numbers</source>
        <translation>Matemáticas de los números racionales</translation>
    </message>
    <message>
        <source>Integers    </source>
        <extracomment>The captions of the three buttons that open the themes, drawn left-aligned beside a picture. The trailing blanks are the design&apos;s: keep them as they are, the captions are drawn from their left edge whatever their length.</extracomment>
        <translation>Enteros    </translation>
    </message>
    <message>
        <source>Fractions   </source>
        <extracomment>See &quot;Integers &quot;: keep the trailing blanks as they are.</extracomment>
        <translation>Fracciones   </translation>
    </message>
    <message>
        <source>Polynomials</source>
        <translation>Polinomios</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Integers</source>
        <translation>Enteros</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Edit tools</source>
        <translation>Editar herramientas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>About...</source>
        <extracomment>The command of the menu bar, and of the Help menu, that shows the About box.</extracomment>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>The command that opens the program&apos;s guide.</extracomment>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Hoja de ejercicios</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>A new, empty worksheet.</extracomment>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Recent sheets</source>
        <translation>Hojas recientes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <translation>Vista previa de impresión…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Mathematics of rational numbers</source>
        <translation>Matemáticas de los números racionales</translation>
    </message>
</context>
<context>
    <name>tessaro::TFOps</name>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>already exists</source>
        <extracomment>Under the name of the file, on a line of its own.</extracomment>
        <translation>ya existe</translation>
    </message>
    <message>
        <source>What do you want?</source>
        <translation>¿Qué quieres hacer?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Add to it</source>
        <extracomment>Add the problem to the end of the file.</extracomment>
        <translation>Añadir al final</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Replace the file with the problem</source>
        <translation>Sustituir el archivo por el problema</translation>
    </message>
    <message>
        <source>Keep the file and add the problem after its text</source>
        <translation>Conservar el archivo y añadir el problema tras su texto</translation>
    </message>
    <message>
        <source>Save nothing</source>
        <translation>No guardar nada</translation>
    </message>
</context>
<context>
    <name>tessaro::TFP</name>
    <message>
        <source>Polynomials of rational coefficients</source>
        <translation>Polinomios de coeficientes racionales</translation>
    </message>
    <message>
        <source>Entry /generate</source>
        <extracomment>The title of the panel where a polynomial is typed coefficient by coefficient or drawn.</extracomment>
        <translation>Entrada /generar</translation>
    </message>
    <message>
        <source>Coefficients</source>
        <extracomment>A screen reader&apos;s name of the row of the coefficients of c, x, x², ... x⁹.</extracomment>
        <translation>Coeficientes</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>The hint of the button that empties the coefficients.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Direct to list</source>
        <extracomment>The hint of the button that puts a random polynomial straight into the list.</extracomment>
        <translation>Directo a la lista</translation>
    </message>
    <message>
        <source>Polynomials</source>
        <translation>Polinomios</translation>
    </message>
    <message>
        <source>Polynomials of the list</source>
        <translation>Polinomios de la lista</translation>
    </message>
    <message>
        <source>Eliminate </source>
        <extracomment>The hint of the button that takes the selected polynomial out of the list; keep the blank at its end.</extracomment>
        <translation>Eliminar </translation>
    </message>
    <message>
        <source>Polynomial</source>
        <extracomment>A screen reader&apos;s name of the field of the polynomial of the unary panel.</extracomment>
        <translation>Polinomio</translation>
    </message>
    <message>
        <source>Send to list</source>
        <translation>Enviar a la lista</translation>
    </message>
    <message>
        <source>Numeric value for...</source>
        <extracomment>The hint of the field of the polynomial&apos;s value at the point typed beside it.</extracomment>
        <translation>Valor numérico para...</translation>
    </message>
    <message>
        <source>Point of the value</source>
        <extracomment>A screen reader&apos;s name of the field of the number x at which the value is calculated.</extracomment>
        <translation>Punto de evaluación</translation>
    </message>
    <message>
        <source>Numeric value</source>
        <translation>Valor numérico</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>The hint of the button that draws the polynomial&apos;s graph.</extracomment>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>(Int.) Roots:</source>
        <extracomment>The label of the integer roots of the polynomial; &quot;Int.&quot; is short for integer.</extracomment>
        <translation>(Ent.) Raíces:</translation>
    </message>
    <message>
        <source>Factorization:</source>
        <translation>Factorización:</translation>
    </message>
    <message>
        <source>Derivative</source>
        <translation>Derivada</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>Integral</translation>
    </message>
    <message>
        <source>First polynomial</source>
        <extracomment>A screen reader&apos;s names of the fields of the two polynomials of the binary operations, and of the one-letter lists beside them that choose them from the list.</extracomment>
        <translation>Primer polinomio</translation>
    </message>
    <message>
        <source>Second polynomial</source>
        <translation>Segundo polinomio</translation>
    </message>
    <message>
        <source>Letter of the first polynomial</source>
        <translation>Letra del primer polinomio</translation>
    </message>
    <message>
        <source>Letter of the second polynomial</source>
        <translation>Letra del segundo polinomio</translation>
    </message>
    <message>
        <source>Go</source>
        <extracomment>The caption of the button that calculates the binary operations.</extracomment>
        <translation>Ir</translation>
    </message>
    <message>
        <source>quotient</source>
        <translation>cociente</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>resto</translation>
    </message>
    <message>
        <source>Quotient</source>
        <translation>Cociente</translation>
    </message>
    <message>
        <source>Remainder</source>
        <translation>Resto</translation>
    </message>
    <message>
        <source>Highest Common Divisor of...</source>
        <translation>Máximo común divisor de...</translation>
    </message>
    <message>
        <source>Lowest Common Multiple of...</source>
        <translation>Mínimo común múltiplo de...</translation>
    </message>
    <message>
        <source>(with items of the list: %1...)</source>
        <extracomment>The combined operation uses the letters of the list; %1 is &quot;A,B&quot;.</extracomment>
        <translation>(con elementos de la lista: %1...)</translation>
    </message>
    <message>
        <source>operators: %1</source>
        <extracomment>%1 lists the operators, as they are typed.</extracomment>
        <translation>operadores: %1</translation>
    </message>
    <message>
        <source>Unary operations</source>
        <translation>Operaciones unarias</translation>
    </message>
</context>
<context>
    <name>tessaro::TFPrbl</name>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Enunciado</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>The question of the problem; it may be edited before saving</source>
        <translation>El enunciado del problema; se puede editar antes de guardarlo</translation>
    </message>
    <message>
        <source>The answer of the problem; it may be edited before saving</source>
        <translation>La solución del problema; se puede editar antes de guardarla</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>The hint of the Save button, which shows a picture.
----------
The title of the file dialog that saves the problem.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Add to worksheet</source>
        <translation>Añadir a la hoja</translation>
    </message>
    <message>
        <source>Add the problem to the worksheet</source>
        <translation>Añadir el problema a la hoja de ejercicios</translation>
    </message>
    <message>
        <source>With working</source>
        <translation>Con desarrollo</translation>
    </message>
    <message>
        <source>End the answer with the working of each result</source>
        <translation>Terminar la solución con el desarrollo de cada resultado</translation>
    </message>
    <message>
        <source>Save changes to the problem?</source>
        <translation>¿Guardar los cambios del problema?</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <extracomment>Keep the patterns in brackets as they are.</extracomment>
        <translation>Archivos de texto (%1)</translation>
    </message>
</context>
<context>
    <name>tessaro::TFPrefs</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Remember lists and windows between runs</source>
        <translation>Recordar las listas y las ventanas entre sesiones</translation>
    </message>
    <message>
        <source>The three lists with their selections, the decimals, the open worksheet and the windows&apos; places are kept when the program ends and are back at its next start.</source>
        <translation>Las tres listas con sus selecciones, los decimales, la hoja de ejercicios abierta y la posición de las ventanas se guardan al cerrar el programa y se recuperan al volver a abrirlo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The preference cannot be stored in %1</source>
        <extracomment>%1 is the name of the settings file.</extracomment>
        <translation>No se puede guardar la preferencia en %1</translation>
    </message>
</context>
<context>
    <name>tessaro::TFSheet</name>
    <message>
        <source>Worksheet</source>
        <translation>Hoja de ejercicios</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move the problem up</source>
        <translation>Subir el problema</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move the problem down</source>
        <translation>Bajar el problema</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the problem</source>
        <translation>Quitar el problema</translation>
    </message>
    <message>
        <source>New numbers</source>
        <translation>Números nuevos</translation>
    </message>
    <message>
        <source>The selected problems again with other numbers, drawn within their ranges</source>
        <translation>Los problemas seleccionados de nuevo con otros números, sorteados dentro de sus intervalos</translation>
    </message>
    <message>
        <source>Ranges…</source>
        <translation>Intervalos…</translation>
    </message>
    <message>
        <source>The ranges the problem&apos;s new numbers are drawn within</source>
        <translation>Los intervalos en los que se sortean los números nuevos del problema</translation>
    </message>
    <message>
        <source>With working</source>
        <extracomment>Whether the key shows the working of the problem&apos;s answer.</extracomment>
        <translation>Con desarrollo</translation>
    </message>
    <message>
        <source>The key shows the working of the answer under it</source>
        <translation>En las soluciones, el desarrollo aparece bajo la solución de cada problema</translation>
    </message>
    <message>
        <source>Make versions…</source>
        <translation>Crear versiones…</translation>
    </message>
    <message>
        <source>Versions %1 of the whole sheet, each with its own numbers and key</source>
        <extracomment>%1 is &quot;A, B, ...&quot;: the versions&apos; codes.</extracomment>
        <translation>Versiones %1 de toda la hoja, cada una con sus propios números y soluciones</translation>
    </message>
    <message>
        <source>Remove versions</source>
        <translation>Quitar versiones</translation>
    </message>
    <message>
        <source>Print the problems as they are, without versions</source>
        <translation>Imprimir los problemas tal como están, sin versiones</translation>
    </message>
    <message>
        <source>On its own page</source>
        <extracomment>Where the answer key prints: on a page of its own, under each question, or not at all.</extracomment>
        <translation>En una página aparte</translation>
    </message>
    <message>
        <source>Under each question</source>
        <translation>Bajo cada enunciado</translation>
    </message>
    <message>
        <source>None</source>
        <translation>No imprimir</translation>
    </message>
    <message>
        <source>Letter</source>
        <extracomment>The paper sizes: A4 is a name, Letter the paper of the United States.</extracomment>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>The instructions print under the title</source>
        <translation>Las instrucciones se imprimen bajo el título</translation>
    </message>
    <message>
        <source>The problems in the order they print; the selected ones get new numbers</source>
        <translation>Los problemas en el orden en que se imprimen; los seleccionados reciben números nuevos</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>The number of columns the problems print in.</extracomment>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The title of the worksheet.</extracomment>
        <translation>Título</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Enunciado</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Preview of the printed sheet</source>
        <translation>Vista previa de la hoja impresa</translation>
    </message>
    <message>
        <source>Versions %1 print in place of the problems, each with its own key</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>Las versiones %1 se imprimen en lugar de los problemas, cada una con sus soluciones</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a worksheet not saved yet.</extracomment>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Worksheet - %1</source>
        <extracomment>The window&apos;s title with the sheet&apos;s file name %1.</extracomment>
        <translation>Hoja de ejercicios - %1</translation>
    </message>
    <message>
        <source>A text problem has no numbers to draw again.</source>
        <translation>Un problema de texto no tiene números que volver a sortear.</translation>
    </message>
    <message>
        <source>%1 was edited. Replace its question and answer with new numbers?
(No keeps it as it is and gives the others new numbers.)</source>
        <extracomment>%1 is &quot;Problem 2&quot;; No is the question&apos;s button.</extracomment>
        <translation>%1 se ha editado. ¿Sustituir su enunciado y su solución por otros con números nuevos?
(No lo deja como está y da números nuevos a los demás.)</translation>
    </message>
    <message>
        <source>%1 were edited. Replace their questions and answers with new numbers?
(No keeps them as they are and gives the others new numbers.)</source>
        <extracomment>%1 is &quot;Problems 2 and 5&quot;; No is the question&apos;s button.</extracomment>
        <translation>%1 se han editado. ¿Sustituir sus enunciados y soluciones por otros con números nuevos?
(No los deja como están y da números nuevos a los demás.)</translation>
    </message>
    <message>
        <source>Replace versions %1 with new ones?</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>¿Sustituir las versiones %1 por otras nuevas?</translation>
    </message>
    <message>
        <source>%1 was edited; the versions show the texts the program makes for their own numbers. Make the versions?</source>
        <extracomment>%1 is &quot;Problem 2&quot;.</extracomment>
        <translation>%1 se ha editado; las versiones muestran los textos que el programa crea para sus propios números. ¿Crear las versiones?</translation>
    </message>
    <message>
        <source>%1 were edited; the versions show the texts the program makes for their own numbers. Make the versions?</source>
        <extracomment>%1 is &quot;Problems 2 and 5&quot;.</extracomment>
        <translation>%1 se han editado; las versiones muestran los textos que el programa crea para sus propios números. ¿Crear las versiones?</translation>
    </message>
    <message>
        <source>Make versions</source>
        <translation>Crear versiones</translation>
    </message>
    <message>
        <source>Versions of the sheet (%1), %2 to %3:</source>
        <extracomment>%1 is &quot;A, B, ...&quot;, the versions&apos; codes; %2 and %3 the fewest and the most versions.</extracomment>
        <translation>Versiones de la hoja (%1), de %2 a %3:</translation>
    </message>
    <message>
        <source>Versions of the sheet</source>
        <translation>Versiones de la hoja</translation>
    </message>
    <message>
        <source>Remove versions %1? The sheet then prints its problems as they are.</source>
        <extracomment>%1 names the versions: &quot;A to C&quot;.</extracomment>
        <translation>¿Quitar las versiones %1? La hoja imprimirá entonces sus problemas tal como están.</translation>
    </message>
    <message>
        <source>Save changes to the worksheet?</source>
        <translation>¿Guardar los cambios de la hoja de ejercicios?</translation>
    </message>
    <message>
        <source>Open worksheet</source>
        <translation>Abrir hoja de ejercicios</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Guardar hoja de ejercicios</translation>
    </message>
    <message>
        <source>Export worksheet</source>
        <translation>Exportar hoja de ejercicios</translation>
    </message>
    <message>
        <source>Problem %1</source>
        <extracomment>%1 is the number of a problem of the sheet.</extracomment>
        <translation>Problema %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A list of problem numbers: %1 is &quot;2, 5&quot;, %2 the last number, 7.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Problems %1</source>
        <extracomment>%1 lists the numbers of problems of the sheet: &quot;2, 5 and 7&quot;.</extracomment>
        <translation>Problemas %1</translation>
    </message>
    <message>
        <source>Worksheets (%1)</source>
        <extracomment>A filter of a file dialog; keep the pattern in brackets as it is.</extracomment>
        <translation>Hojas de ejercicios (%1)</translation>
    </message>
</context>
<context>
    <name>tessaro::TFTools</name>
    <message>
        <source>Tools edition</source>
        <translation>Edición de herramientas</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>The tools of the Tools menu, in its order</source>
        <translation>Las herramientas del menú Herramientas, en su orden</translation>
    </message>
    <message>
        <source>Add/Edit Tool</source>
        <translation>Añadir/editar herramienta</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The name of a tool as its menu shows it.</extracomment>
        <translation>Título</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The command line that starts a tool.</extracomment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Work directory</source>
        <translation>Carpeta de trabajo</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>The name of the tool in the Tools menu</source>
        <translation>El nombre de la herramienta en el menú Herramientas</translation>
    </message>
    <message>
        <source>The program the tool starts, with its arguments</source>
        <translation>El programa que inicia la herramienta, con sus argumentos</translation>
    </message>
    <message>
        <source>To List</source>
        <extracomment>The hint of the button that puts the tool being edited into the list.</extracomment>
        <translation>A la lista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save and exit</source>
        <translation>Guardar y salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exit without save</source>
        <translation>Salir sin guardar</translation>
    </message>
    <message>
        <source>New Tool</source>
        <translation>Nueva herramienta</translation>
    </message>
    <message>
        <source>Eliminate</source>
        <extracomment>The hint of the button that takes the chosen tool out of the list.</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>A tool needs a title</source>
        <translation>Una herramienta necesita un título</translation>
    </message>
    <message>
        <source>The list holds at most %1 tools</source>
        <extracomment>%1 is the largest number of tools.</extracomment>
        <translation>La lista admite como máximo %1 herramientas</translation>
    </message>
</context>
<context>
    <name>tessaro::TFWork</name>
    <message>
        <source>Working</source>
        <extracomment>The title of the window for the working of a result: %1 is what it works out (&quot;hcd and LCM&quot;).</extracomment>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the working as text</source>
        <translation>Copiar el desarrollo como texto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Working: %1</source>
        <translation>Desarrollo: %1</translation>
    </message>
</context>
</TS>
