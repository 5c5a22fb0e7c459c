<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Espejo plano.</source>
        <translation>Espello plano.</translation>
    </message>
    <message>
        <source>Espejo convexo.</source>
        <translation>Espello convexo.</translation>
    </message>
    <message>
        <source>Espejo cóncavo.</source>
        <translation>Espello cóncavo.</translation>
    </message>
    <message>
        <source>más allá del centro</source>
        <translation>máis alá do centro</translation>
    </message>
    <message>
        <source>en el centro</source>
        <translation>no centro</translation>
    </message>
    <message>
        <source>entre el centro y el foco</source>
        <translation>entre o centro e o foco</translation>
    </message>
    <message>
        <source>en el foco</source>
        <translation>no foco</translation>
    </message>
    <message>
        <source>entre el foco y el espejo</source>
        <translation>entre o foco e o espello</translation>
    </message>
    <message>
        <source>Objeto sobre el espejo</source>
        <translation>Obxecto sobre o espello</translation>
    </message>
    <message>
        <source>Objeto a %1 detrás del espejo</source>
        <translation>Obxecto a %1 detrás do espello</translation>
    </message>
    <message>
        <source>Objeto a %1 delante del espejo</source>
        <translation>Obxecto a %1 diante do espello</translation>
    </message>
    <message>
        <source>Imagen en el infinito: los rayos reflejados salen paralelos.</source>
        <translation>Imaxe no infinito: os raios reflectidos saen paralelos.</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>virtual</translation>
    </message>
    <message>
        <source>real</source>
        <translation>real</translation>
    </message>
    <message>
        <source>invertida</source>
        <translation>invertida</translation>
    </message>
    <message>
        <source>derecha</source>
        <translation>dereita</translation>
    </message>
    <message>
        <source>aumentada</source>
        <translation>aumentada</translation>
    </message>
    <message>
        <source>del mismo tamaño</source>
        <translation>do mesmo tamaño</translation>
    </message>
    <message>
        <source>reducida</source>
        <translation>reducida</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, sobre el espejo; aumento %4.</source>
        <translation>Imaxe %1, %2 e %3, sobre o espello; aumento %4.</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, a %4 detrás del espejo; aumento %5.</source>
        <translation>Imaxe %1, %2 e %3, a %4 detrás do espello; aumento %5.</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, a %4 delante del espejo; aumento %5.</source>
        <translation>Imaxe %1, %2 e %3, a %4 diante do espello; aumento %5.</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>imagen en el %1</source>
        <translation>imaxe no %1</translation>
    </message>
    <message>
        <source>imagen a %1, fuera del dibujo</source>
        <translation>imaxe a %1, fóra do debuxo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Uso: mirvex [--export FICHERO --mirror plano|convexo|concavo --object N [--size AxB]]
Sin opciones abre la ventana del programa.
  --export FICHERO escribe el diagrama en FICHERO (.png, .svg o .pdf) y termina, sin
                   abrir ninguna ventana
  --mirror ESPEJO  plano, convexo o concavo
  --object N       distancia del objeto delante del espejo, un número entero como en
                   «posición objecto»: 30 pone el objeto en -30
  --size AxB       tamaño en píxeles: 1700x1124 si no se indica; en PDF, la página a 96
                   píxeles por pulgada, 425x281 si no se indica
  --help           muestra esta ayuda y termina
  --version        muestra la versión y termina</source>
        <translation>Uso: mirvex [--export FICHEIRO --mirror plano|convexo|concavo --object N [--size LxA]]
Sen opcións abre a xanela do programa.
  --export FICHEIRO escribe o diagrama en FICHEIRO (.png, .svg ou .pdf) e remata, sen
                    abrir ningunha xanela
  --mirror ESPELLO  plano, convexo ou concavo
  --object N        distancia do obxecto diante do espello, un número enteiro como en
                    «posición obxecto»: 30 pon o obxecto en -30
  --size LxA        tamaño en píxeles: 1700x1124 se non se indica; en PDF, a páxina a 96
                    píxeles por polgada, 425x281 se non se indica
  --help            amosa esta axuda e remata
  --version         amosa a versión e remata</translation>
    </message>
    <message>
        <source>opción desconocida: «%1» (vea --help)</source>
        <translation>opción descoñecida: «%1» (vexa --help)</translation>
    </message>
    <message>
        <source>falta el valor de %1</source>
        <translation>falta o valor de %1</translation>
    </message>
    <message>
        <source>%1 aparece dos veces</source>
        <translation>%1 aparece dúas veces</translation>
    </message>
    <message>
        <source>falta la opción %1</source>
        <translation>falta a opción %1</translation>
    </message>
    <message>
        <source>--export «%1»: el nombre debe terminar en .png, .svg o .pdf</source>
        <translation>--export «%1»: o nome debe rematar en .png, .svg ou .pdf</translation>
    </message>
    <message>
        <source>--mirror «%1»: debe ser plano, convexo o concavo</source>
        <translation>--mirror «%1»: debe ser plano, convexo ou concavo</translation>
    </message>
    <message>
        <source>--object «%1»: no es un número entero</source>
        <translation>--object «%1»: non é un número enteiro</translation>
    </message>
    <message>
        <source>--size «%1»: debe ser ANCHOxALTO, cada uno de 1 a %2 píxeles</source>
        <translation>--size «%1»: debe ser LARGURAxALTURA, cada unha de 1 a %2 píxeles</translation>
    </message>
    <message>
        <source>--export «%1»: no se ha podido escribir: %2</source>
        <translation>--export «%1»: non se puido escribir: %2</translation>
    </message>
    <message>
        <source>--object %1: el diagrama no se puede dibujar: %2</source>
        <extracomment>%1 the object&apos;s distance, %2 the run-time error.</extracomment>
        <translation>--object %1: o diagrama non se pode debuxar: %2</translation>
    </message>
    <message>
        <source>--lang admite %2, no «%1»</source>
        <extracomment>%1 the value given to --lang, %2 the codes it takes (&quot;ca, en, es, gl&quot;).</extracomment>
        <translation>--lang admite %2, non «%1»</translation>
    </message>
    <message>
        <source>--style «%1»: debe ser classroom u original</source>
        <translation>--style «%1»: debe ser classroom ou original</translation>
    </message>
    <message>
        <source>--worksheet «%1»: el nombre debe terminar en .pdf</source>
        <translation>--worksheet «%1»: o nome debe rematar en .pdf</translation>
    </message>
    <message>
        <source>--count «%1»: debe ser un número entero de %2 a %3</source>
        <translation>--count «%1»: debe ser un número enteiro de %2 a %3</translation>
    </message>
    <message>
        <source>--level «%1»: debe ser %2</source>
        <extracomment>%2 the levels, separated by &quot;|&quot;.</extracomment>
        <translation>--level «%1»: debe ser %2</translation>
    </message>
    <message>
        <source>--seed «%1»: debe ser un número entero de 0 a %2</source>
        <translation>--seed «%1»: debe ser un número enteiro de 0 a %2</translation>
    </message>
    <message>
        <source>  --mirror también acepta plane, convex o concave
  --style ESTILO   classroom (vista de clase, con rótulos y escala; por defecto)
                   u original (el dibujo del panel)
  --lang IDIOMA    ca, en, es o gl: el idioma de los mensajes y del dibujo
  --worksheet FICHERO.pdf [--count N] [--level NIVEL] [--seed S] [--no-key]
                   escribe una hoja de ejercicios en PDF con N ejercicios (de 1 a 60,
                   8 si no se indica) del nivel plano, concavo-lejos,
                   concavo-centro-foco, concavo-foco-espejo, convexo o mezcla (por
                   defecto), y sus soluciones salvo con --no-key; la misma semilla S
                   da los mismos ejercicios</source>
        <translation>  --mirror tamén acepta plane, convex ou concave
  --style ESTILO   classroom (vista de clase, con rótulos e escala; por defecto)
                   ou original (o debuxo do panel)
  --lang IDIOMA    ca, en, es ou gl: o idioma das mensaxes e do debuxo
  --worksheet FICHEIRO.pdf [--count N] [--level NIVEL] [--seed S] [--no-key]
                   escribe unha folla de exercicios en PDF con N exercicios (de 1 a 60,
                   8 se non se indica) do nivel plano, concavo-lejos,
                   concavo-centro-foco, concavo-foco-espejo, convexo ou mezcla (por
                   defecto), e as súas solucións agás con --no-key; a mesma semente S
                   dá os mesmos exercicios</translation>
    </message>
    <message>
        <source>%1 no se puede usar con %2</source>
        <translation>%1 non se pode usar con %2</translation>
    </message>
    <message>
        <source>--worksheet «%1»: no se ha podido escribir: %2</source>
        <extracomment>%2 the system&apos;s reason.</extracomment>
        <translation>--worksheet «%1»: non se puido escribir: %2</translation>
    </message>
    <message>
        <source>%1 «%2»: el nombre es relativo y la carpeta desde la que se llamó ya no existe</source>
        <translation>%1 «%2»: o nome é relativo e o cartafol desde o que se chamou xa non existe</translation>
    </message>
</context>
<context>
    <name>DiagramMenu</name>
    <message>
        <source>Guardando la imagen...</source>
        <translation>Gardando a imaxe...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Espejo plano</source>
        <translation>Espello plano</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto más allá del centro</source>
        <translation>Espello cóncavo, obxecto máis alá do centro</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto entre el centro y el foco</source>
        <translation>Espello cóncavo, obxecto entre o centro e o foco</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto entre el foco y el espejo</source>
        <translation>Espello cóncavo, obxecto entre o foco e o espello</translation>
    </message>
    <message>
        <source>Espejo convexo</source>
        <translation>Espello convexo</translation>
    </message>
    <message>
        <source>Todo mezclado</source>
        <translation>Todo mesturado</translation>
    </message>
    <message>
        <source>Espejo cóncavo</source>
        <translation>Espello cóncavo</translation>
    </message>
    <message>
        <source>%1, objeto a %2</source>
        <extracomment>%1 the mirror (&quot;Espejo cóncavo&quot;), %2 the object&apos;s abscissa (&quot;−35&quot;).</extracomment>
        <translation>%1, obxecto a %2</translation>
    </message>
    <message>
        <source>%1. %2: objeto %3 → imagen %4; aumento %5; %6, %7, %8</source>
        <extracomment>One line of the answer key. %1 the exercise&apos;s number, %2 the mirror, %3 the object&apos;s abscissa, %4 the image&apos;s, %5 the magnification, then the three words of the image.</extracomment>
        <translation>%1. %2: obxecto %3 → imaxe %4; aumento %5; %6, %7, %8</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Español</source>
        <extracomment>This language&apos;s name, in itself, as Info &gt; Idioma lists it.</extracomment>
        <translation>Galego</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>El idioma elegido no se podrá recordar en el próximo inicio: «%1»: %2</source>
        <extracomment>%1 the settings file, %2 why. Said once, in the language just chosen.</extracomment>
        <translation>O idioma escollido non se poderá lembrar no próximo inicio: «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>La impresión no está disponible: %1</source>
        <extracomment>%1 why.</extracomment>
        <translation>A impresión non está dispoñible: %1</translation>
    </message>
    <message>
        <source>falta «%1»</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>falta «%1»</translation>
    </message>
    <message>
        <source>no se ha podido cargar el módulo de impresión (%1)</source>
        <extracomment>%1 the system&apos;s reason, which names the file.</extracomment>
        <translation>non se puido cargar o módulo de impresión (%1)</translation>
    </message>
    <message>
        <source>«%1» no es el módulo de impresión del programa</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>«%1» non é o módulo de impresión do programa</translation>
    </message>
    <message>
        <source>«%1» es de otra versión del programa (interfaz %2; este programa necesita la %3)</source>
        <extracomment>%1 the module&apos;s file, %2 its interface version, %3 the program&apos;s.</extracomment>
        <translation>«%1» é doutra versión do programa (interface %2; este programa necesita a %3)</translation>
    </message>
    <message>
        <source>«%1» está incompleto o dañado</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>«%1» está incompleto ou danado</translation>
    </message>
</context>
<context>
    <name>RunError</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non é un valor enteiro válido</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante non válida</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>División por cero en coma flotante</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordamento en coma flotante</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erro de comprobación de rango</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>A imaxe da icona non é válida</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>ocupa más de %1 bytes</source>
        <translation>ocupa máis de %1 bytes</translation>
    </message>
    <message>
        <source>el nombre no es válido para el sistema de ficheros</source>
        <translation>o nome non é válido para o sistema de ficheiros</translation>
    </message>
    <message>
        <source>es un enlace que otro usuario podría haber hecho</source>
        <translation>é unha ligazón que outro usuario puido facer</translation>
    </message>
</context>
<context>
    <name>TClassroomView</name>
    <message>
        <source>Vista de clase</source>
        <translation>Vista de clase</translation>
    </message>
    <message>
        <source>La vista elegida no se podrá recordar en el próximo inicio: «%1»: %2</source>
        <translation>A vista escollida non se poderá lembrar no próximo inicio: «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TDiagramCommands</name>
    <message>
        <source>Diagrama</source>
        <translation>Diagrama</translation>
    </message>
    <message>
        <source>Guardar diagrama como...</source>
        <translation>Gardar o diagrama como...</translation>
    </message>
    <message>
        <source>Copiar diagrama</source>
        <translation>Copiar o diagrama</translation>
    </message>
    <message>
        <source>Imprimir...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>Imaxe PNG (*.png)</translation>
    </message>
    <message>
        <source>Dibujo SVG (*.svg)</source>
        <translation>Debuxo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido guardar «%1»: %2.</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Non se puido gardar «%1»: %2.</translation>
    </message>
    <message>
        <source>No se ha impreso nada: no se ha podido abrir la impresora.</source>
        <translation>Non se imprimiu nada: non se puido abrir a impresora.</translation>
    </message>
</context>
<context>
    <name>TExerciseCommands</name>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicios</translation>
    </message>
    <message>
        <source>Practicar...</source>
        <translation>Practicar...</translation>
    </message>
    <message>
        <source>Hoja de ejercicios...</source>
        <translation>Folla de exercicios...</translation>
    </message>
</context>
<context>
    <name>TFEjercicio</name>
    <message>
        <source>✓ bien: %1</source>
        <extracomment>Beside a right answer, %1 the right value.</extracomment>
        <translation>✓ ben: %1</translation>
    </message>
    <message>
        <source>✗ mal; la respuesta es %1</source>
        <translation>✗ mal; a resposta é %1</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <extracomment>The exercise&apos;s score: %1 the right answers, %2 how many were asked.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 de %2 en 1 ejercicio</source>
        <extracomment>The session&apos;s count after one exercise: %1 right of %2 answers.</extracomment>
        <translation>%1 de %2 en 1 exercicio</translation>
    </message>
    <message>
        <source>%1 de %2 en %3 ejercicios</source>
        <translation>%1 de %2 en %3 exercicios</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicios</translation>
    </message>
    <message>
        <source>Nivel:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Semilla:</source>
        <translation>Semente:</translation>
    </message>
    <message>
        <source>(elija)</source>
        <translation>(escolla)</translation>
    </message>
    <message>
        <source>un número, o «infinito»</source>
        <translation>un número, ou «infinito»</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Paso a paso</source>
        <translation>Paso a paso</translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation>Seguinte</translation>
    </message>
</context>
<context>
    <name>TFHojaEjercicios</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Folla de exercicios</translation>
    </message>
    <message>
        <source>Con las soluciones</source>
        <translation>Coas solucións</translation>
    </message>
    <message>
        <source>Ejercicios:</source>
        <translation>Exercicios:</translation>
    </message>
    <message>
        <source>Nivel:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Semilla:</source>
        <translation>Semente:</translation>
    </message>
</context>
<context>
    <name>TFPresentacio</name>
    <message>
        <source>Presentación</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Esc: volver a la ventana principal</source>
        <translation>Esc: volver á xanela principal</translation>
    </message>
    <message>
        <source>Esc: volver a la práctica</source>
        <translation>Esc: volver á práctica</translation>
    </message>
</context>
<context>
    <name>TFPrincipal</name>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>real</source>
        <translation>real</translation>
    </message>
    <message>
        <source>virtual</source>
        <translation>virtual</translation>
    </message>
    <message>
        <source>derecha</source>
        <translation>dereita</translation>
    </message>
    <message>
        <source>inversa</source>
        <translation>invertida</translation>
    </message>
    <message>
        <source>aumentada</source>
        <translation>aumentada</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>disminuida</source>
        <translation>reducida</translation>
    </message>
    <message>
        <source>espejo plano</source>
        <translation>espello plano</translation>
    </message>
    <message>
        <source>espejo convexo</source>
        <translation>espello convexo</translation>
    </message>
    <message>
        <source>espejo cóncavo</source>
        <translation>espello cóncavo</translation>
    </message>
    <message>
        <source>posición objecto</source>
        <extracomment>The position field&apos;s label: about as short as the Spanish, its room is small.</extracomment>
        <translation>posición obxecto</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Imaxe</translation>
    </message>
    <message>
        <source>tipo (real o virtual)</source>
        <translation>tipo (real ou virtual)</translation>
    </message>
    <message>
        <source>orientación</source>
        <translation>orientación</translation>
    </message>
    <message>
        <source>aumento / disminución</source>
        <translation>aumento / redución</translation>
    </message>
    <message>
        <source>posición:</source>
        <translation>posición:</translation>
    </message>
    <message>
        <source>aumento:</source>
        <extracomment>The magnification field&apos;s label, in a small room too.</extracomment>
        <translation>aumento:</translation>
    </message>
    <message>
        <source>Elemento</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Espejos</source>
        <translation>Espellos</translation>
    </message>
    <message>
        <source>Plano</source>
        <translation>Plano</translation>
    </message>
    <message>
        <source>Convexo</source>
        <translation>Convexo</translation>
    </message>
    <message>
        <source>Cóncavo</source>
        <translation>Cóncavo</translation>
    </message>
    <message>
        <source>Imagen más allá del centro</source>
        <extracomment>The concave mirror&apos;s three cases, each putting the object in a zone.</extracomment>
        <translation>Obxecto máis alá do centro</translation>
    </message>
    <message>
        <source>Imagen entre el centro y el foco</source>
        <translation>Obxecto entre o centro e o foco</translation>
    </message>
    <message>
        <source>Imagen entre el foco y el espejo</source>
        <translation>Obxecto entre o foco e o espello</translation>
    </message>
    <message>
        <source>Teoría</source>
        <translation>Teoría</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Respecto a...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>plano</source>
        <translation>plano</translation>
    </message>
    <message>
        <source>convexo</source>
        <translation>convexo</translation>
    </message>
    <message>
        <source>cóncavo</source>
        <translation>cóncavo</translation>
    </message>
    <message>
        <source>Espejo</source>
        <translation>Espello</translation>
    </message>
    <message>
        <source>Posición del objeto</source>
        <translation>Posición do obxecto</translation>
    </message>
    <message>
        <source>Posición de la imagen</source>
        <translation>Posición da imaxe</translation>
    </message>
    <message>
        <source>Aumento</source>
        <translation>Aumento</translation>
    </message>
    <message>
        <source>infinito</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>No se ha podido abrir el documento de ayuda %1: falta el fichero o no hay ningún programa para abrirlo.

¿Mostrar la teoría en una ventana del programa?</source>
        <translation>Non se puido abrir o documento de axuda %1: falta o ficheiro ou non hai ningún programa para abrilo.

Mostrar a teoría nunha xanela do programa?</translation>
    </message>
</context>
<context>
    <name>TFSobre</name>
    <message>
        <source>Sobre </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>http://vexaria.example.org/es </source>
        <translation>http://vexaria.example.org/gl </translation>
    </message>
    <message>
        <source>¡Vaya!</source>
        <translation>Vaia!</translation>
    </message>
</context>
<context>
    <name>TFTamanyPng</name>
    <message>
        <source>Tamaño de la imagen PNG</source>
        <translation>Tamaño da imaxe PNG</translation>
    </message>
    <message>
        <source>Ancho:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Alto:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source> píxeles</source>
        <translation> píxeles</translation>
    </message>
</context>
<context>
    <name>ToolFile</name>
    <message>
        <source>no es un fichero normal</source>
        <translation>non é un ficheiro normal</translation>
    </message>
    <message>
        <source>ocupa más de %1 MB</source>
        <extracomment>%1 the bound in megabytes.</extracomment>
        <translation>ocupa máis de %1 MB</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Utilidades</source>
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Edición utilidades</source>
        <translation>Edición utilidades</translation>
    </message>
    <message>
        <source>No se ha abierto «%1»: %2.</source>
        <extracomment>%1 the tool&apos;s file, %2 the reason.</extracomment>
        <translation>Non se abriu «%1»: %2.</translation>
    </message>
    <message>
        <source>el fichero es de otro usuario</source>
        <translation>o ficheiro é doutro usuario</translation>
    </message>
    <message>
        <source>otros usuarios pueden modificar el fichero</source>
        <translation>outros usuarios poden modificar o ficheiro</translation>
    </message>
    <message>
        <source>su carpeta es de otro usuario</source>
        <translation>o seu cartafol é doutro usuario</translation>
    </message>
    <message>
        <source>otros usuarios pueden escribir en su carpeta</source>
        <translation>outros usuarios poden escribir no seu cartafol</translation>
    </message>
    <message>
        <source>un programa sin carpeta propia no se ejecuta desde la carpeta de trabajo; indique su carpeta en «Directorio de trabajo»</source>
        <translation>un programa sen cartafol propio non se executa desde o cartafol de traballo; indique o seu cartafol en «Directorio de traballo»</translation>
    </message>
    <message>
        <source>Utilidad</source>
        <translation>Utilidade</translation>
    </message>
    <message>
        <source>Título</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Fichero</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Directorio de trabajo</source>
        <translation>Directorio de traballo</translation>
    </message>
    <message>
        <source>Parámetros</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>El campo «%1» contiene el carácter %2, que no se puede guardar en «Tools.rel». Cámbielo y vuelva a pulsar «&lt;- ok».</source>
        <extracomment>%1 the field&apos;s caption, %2 the character (its code, after the character itself when that can be shown).</extracomment>
        <translation>O campo «%1» contén o carácter %2, que non se pode gardar en «Tools.rel». Cámbieo e volva premer «&lt;- ok».</translation>
    </message>
    <message>
        <source>No se ha podido guardar «Tools.rel»: %1. La lista editada se conserva.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>Non se puido gardar «Tools.rel»: %1. A lista editada consérvase.</translation>
    </message>
    <message>
        <source>No se ha podido leer «Tools.rel»: %1. Al pulsar «OK» no se sobrescribirá.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>Non se puido ler «Tools.rel»: %1. Ao premer «OK» non se sobrescribirá.</translation>
    </message>
    <message>
        <source>«Tools.rel» no se ha podido leer (%1) y no se sobrescribe, porque se perderían las utilidades que contiene. La lista editada se conserva.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>«Tools.rel» non se puido ler (%1) e non se sobrescribe, porque se perderían as utilidades que contén. A lista editada consérvase.</translation>
    </message>
    <message>
        <source>Otro programa ha cambiado «Tools.rel» desde que el editor lo leyó. ¿Quiere sobrescribirlo con la lista editada, o volver a leerlo y perder los cambios del editor?</source>
        <translation>Outro programa cambiou «Tools.rel» desde que o editor o leu. Quere sobrescribilo coa lista editada, ou volver lelo e perder os cambios do editor?</translation>
    </message>
    <message>
        <source>Sobrescribir</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Volver a leer</source>
        <translation>Volver ler</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>«%1» es del usuario «%2» u otros usuarios pueden escribir en él. ¿Abrir esta utilidad?</source>
        <extracomment>%1 the tools file, %2 its owner. Asked before a tool of a list that another user could have written is started.</extracomment>
        <translation>«%1» é do usuario «%2» ou outros usuarios poden escribir nel. Abrir esta utilidade?</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Hoja de ejercicios: espejos</source>
        <translation>Folla de exercicios: espellos</translation>
    </message>
    <message>
        <source>Nivel: %1</source>
        <extracomment>%1 the level, as the practice window lists it.</extracomment>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>Dibuja los rayos principales y la imagen en cada diagrama.</source>
        <translation>Debuxa os raios principais e a imaxe en cada diagrama.</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solucións</translation>
    </message>
    <message>
        <source>Soluciones: los diagramas</source>
        <translation>Solucións: os diagramas</translation>
    </message>
    <message>
        <source>Semilla %1 · página %2 de %3</source>
        <extracomment>The footer of every page: %1 the seed, %2 the page, %3 how many.</extracomment>
        <translation>Semente %1 · páxina %2 de %3</translation>
    </message>
    <message>
        <source>Tipo (real o virtual)</source>
        <translation>Tipo (real ou virtual)</translation>
    </message>
    <message>
        <source>Sentido (derecha o inversa)</source>
        <translation>Sentido (dereita ou invertida)</translation>
    </message>
    <message>
        <source>Tamaño (aumentada, igual o disminuida)</source>
        <translation>Tamaño (aumentada, igual ou reducida)</translation>
    </message>
    <message>
        <source>Posición de la imagen</source>
        <translation>Posición da imaxe</translation>
    </message>
    <message>
        <source>Aumento</source>
        <translation>Aumento</translation>
    </message>
    <message>
        <source>no se ha podido componer el documento</source>
        <translation>non se puido compoñer o documento</translation>
    </message>
</context>
</TS>
