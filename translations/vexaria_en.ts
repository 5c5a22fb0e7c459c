<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Espejo plano.</source>
        <translation>Plane mirror.</translation>
    </message>
    <message>
        <source>Espejo convexo.</source>
        <translation>Convex mirror.</translation>
    </message>
    <message>
        <source>Espejo cóncavo.</source>
        <translation>Concave mirror.</translation>
    </message>
    <message>
        <source>más allá del centro</source>
        <translation>beyond the centre</translation>
    </message>
    <message>
        <source>en el centro</source>
        <translation>at the centre</translation>
    </message>
    <message>
        <source>entre el centro y el foco</source>
        <translation>between the centre and the focus</translation>
    </message>
    <message>
        <source>en el foco</source>
        <translation>at the focus</translation>
    </message>
    <message>
        <source>entre el foco y el espejo</source>
        <translation>between the focus and the mirror</translation>
    </message>
    <message>
        <source>Objeto sobre el espejo</source>
        <translation>Object on the mirror</translation>
    </message>
    <message>
        <source>Objeto a %1 detrás del espejo</source>
        <translation>Object %1 behind the mirror</translation>
    </message>
    <message>
        <source>Objeto a %1 delante del espejo</source>
        <translation>Object %1 in front of the mirror</translation>
    </message>
    <message>
        <source>Imagen en el infinito: los rayos reflejados salen paralelos.</source>
        <translation>Image at infinity: the reflected rays leave parallel.</translation>
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
        <translation>inverted</translation>
    </message>
    <message>
        <source>derecha</source>
        <translation>upright</translation>
    </message>
    <message>
        <source>aumentada</source>
        <translation>enlarged</translation>
    </message>
    <message>
        <source>del mismo tamaño</source>
        <translation>the same size</translation>
    </message>
    <message>
        <source>reducida</source>
        <translation>reduced</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, sobre el espejo; aumento %4.</source>
        <translation>Image %1, %2 and %3, on the mirror; magnification %4.</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, a %4 detrás del espejo; aumento %5.</source>
        <translation>Image %1, %2 and %3, %4 behind the mirror; magnification %5.</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, a %4 delante del espejo; aumento %5.</source>
        <translation>Image %1, %2 and %3, %4 in front of the mirror; magnification %5.</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>imagen en el %1</source>
        <translation>image at %1</translation>
    </message>
    <message>
        <source>imagen a %1, fuera del dibujo</source>
        <translation>image at %1, outside the drawing</translation>
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
        <translation>Usage: mirvex [--export FILE --mirror plano|convexo|concavo --object N [--size WxH]]
With no option it opens the program&apos;s window.
  --export FILE    writes the diagram to FILE (.png, .svg or .pdf) and ends, without
                   opening any window
  --mirror MIRROR  plano (plane), convexo (convex) or concavo (concave)
  --object N       the object&apos;s distance in front of the mirror, a whole number as in
                   &quot;posición objecto&quot;: 30 puts the object at -30
  --size WxH       size in pixels: 1700x1124 unless given; for a PDF, the page at 96
                   pixels to the inch, 425x281 unless given
  --help           shows this help and ends
  --version        shows the version and ends</translation>
    </message>
    <message>
        <source>opción desconocida: «%1» (vea --help)</source>
        <translation>unknown option: &quot;%1&quot; (see --help)</translation>
    </message>
    <message>
        <source>falta el valor de %1</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 aparece dos veces</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>falta la opción %1</source>
        <translation>the option %1 is missing</translation>
    </message>
    <message>
        <source>--export «%1»: el nombre debe terminar en .png, .svg o .pdf</source>
        <translation>--export &quot;%1&quot;: the name must end in .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>--mirror «%1»: debe ser plano, convexo o concavo</source>
        <translation>--mirror &quot;%1&quot;: it must be plano (plane), convexo (convex) or concavo (concave)</translation>
    </message>
    <message>
        <source>--object «%1»: no es un número entero</source>
        <translation>--object &quot;%1&quot;: not a whole number</translation>
    </message>
    <message>
        <source>--size «%1»: debe ser ANCHOxALTO, cada uno de 1 a %2 píxeles</source>
        <translation>--size &quot;%1&quot;: it must be WIDTHxHEIGHT, each from 1 to %2 pixels</translation>
    </message>
    <message>
        <source>--export «%1»: no se ha podido escribir: %2</source>
        <translation>--export &quot;%1&quot;: could not be written: %2</translation>
    </message>
    <message>
        <source>--object %1: el diagrama no se puede dibujar: %2</source>
        <extracomment>%1 the object&apos;s distance, %2 the run-time error.</extracomment>
        <translation>--object %1: the diagram cannot be drawn: %2</translation>
    </message>
    <message>
        <source>--lang admite %2, no «%1»</source>
        <extracomment>%1 the value given to --lang, %2 the codes it takes (&quot;ca, en, es, gl&quot;).</extracomment>
        <translation>--lang takes %2, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--style «%1»: debe ser classroom u original</source>
        <translation>--style &quot;%1&quot;: it must be classroom or original</translation>
    </message>
    <message>
        <source>--worksheet «%1»: el nombre debe terminar en .pdf</source>
        <translation>--worksheet &quot;%1&quot;: the name must end in .pdf</translation>
    </message>
    <message>
        <source>--count «%1»: debe ser un número entero de %2 a %3</source>
        <translation>--count &quot;%1&quot;: it must be a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>--level «%1»: debe ser %2</source>
        <extracomment>%2 the levels, separated by &quot;|&quot;.</extracomment>
        <translation>--level &quot;%1&quot;: it must be %2</translation>
    </message>
    <message>
        <source>--seed «%1»: debe ser un número entero de 0 a %2</source>
        <translation>--seed &quot;%1&quot;: it must be a whole number from 0 to %2</translation>
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
        <translation>  --mirror also takes plane, convex or concave
  --style STYLE    classroom (classroom view, with labels and a scale; the default)
                   or original (the panel&apos;s drawing)
  --lang LANGUAGE  ca, en, es or gl: the language of the messages and the drawing
  --worksheet FILE.pdf [--count N] [--level LEVEL] [--seed S] [--no-key]
                   writes a worksheet as PDF with N exercises (1 to 60, 8 unless
                   given) of the level plano, concavo-lejos, concavo-centro-foco,
                   concavo-foco-espejo, convexo or mezcla (the default), and its
                   answer key unless --no-key; the same seed S gives the same
                   exercises</translation>
    </message>
    <message>
        <source>%1 no se puede usar con %2</source>
        <translation>%1 cannot be used with %2</translation>
    </message>
    <message>
        <source>--worksheet «%1»: no se ha podido escribir: %2</source>
        <extracomment>%2 the system&apos;s reason.</extracomment>
        <translation>--worksheet &quot;%1&quot;: could not be written: %2</translation>
    </message>
    <message>
        <source>%1 «%2»: el nombre es relativo y la carpeta desde la que se llamó ya no existe</source>
        <translation>%1 &quot;%2&quot;: the name is relative and the folder it was called from is gone</translation>
    </message>
</context>
<context>
    <name>DiagramMenu</name>
    <message>
        <source>Guardando la imagen...</source>
        <translation>Saving the picture...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Espejo plano</source>
        <translation>Plane mirror</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto más allá del centro</source>
        <translation>Concave mirror, object beyond the centre</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto entre el centro y el foco</source>
        <translation>Concave mirror, object between the centre and the focus</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto entre el foco y el espejo</source>
        <translation>Concave mirror, object between the focus and the mirror</translation>
    </message>
    <message>
        <source>Espejo convexo</source>
        <translation>Convex mirror</translation>
    </message>
    <message>
        <source>Todo mezclado</source>
        <translation>Everything mixed</translation>
    </message>
    <message>
        <source>Espejo cóncavo</source>
        <translation>Concave mirror</translation>
    </message>
    <message>
        <source>%1, objeto a %2</source>
        <extracomment>%1 the mirror (&quot;Espejo cóncavo&quot;), %2 the object&apos;s abscissa (&quot;−35&quot;).</extracomment>
        <translation>%1, object at %2</translation>
    </message>
    <message>
        <source>%1. %2: objeto %3 → imagen %4; aumento %5; %6, %7, %8</source>
        <extracomment>One line of the answer key. %1 the exercise&apos;s number, %2 the mirror, %3 the object&apos;s abscissa, %4 the image&apos;s, %5 the magnification, then the three words of the image.</extracomment>
        <translation>%1. %2: object %3 → image %4; magnification %5; %6, %7, %8</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Español</source>
        <extracomment>This language&apos;s name, in itself, as Info &gt; Idioma lists it.</extracomment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>El idioma elegido no se podrá recordar en el próximo inicio: «%1»: %2</source>
        <extracomment>%1 the settings file, %2 why. Said once, in the language just chosen.</extracomment>
        <translation>The chosen language cannot be kept for the next start: &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>La impresión no está disponible: %1</source>
        <extracomment>%1 why.</extracomment>
        <translation>Printing is not available: %1</translation>
    </message>
    <message>
        <source>falta «%1»</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>&quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>no se ha podido cargar el módulo de impresión (%1)</source>
        <extracomment>%1 the system&apos;s reason, which names the file.</extracomment>
        <translation>the print module could not be loaded (%1)</translation>
    </message>
    <message>
        <source>«%1» no es el módulo de impresión del programa</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>&quot;%1&quot; is not this program&apos;s print module</translation>
    </message>
    <message>
        <source>«%1» es de otra versión del programa (interfaz %2; este programa necesita la %3)</source>
        <extracomment>%1 the module&apos;s file, %2 its interface version, %3 the program&apos;s.</extracomment>
        <translation>&quot;%1&quot; belongs to another version of the program (interface %2; this program needs %3)</translation>
    </message>
    <message>
        <source>«%1» está incompleto o dañado</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>&quot;%1&quot; is cut short or damaged</translation>
    </message>
</context>
<context>
    <name>RunError</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Invalid floating point operation</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Floating point overflow</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Range check error</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>Icon image is not valid</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>ocupa más de %1 bytes</source>
        <translation>it is larger than %1 bytes</translation>
    </message>
    <message>
        <source>el nombre no es válido para el sistema de ficheros</source>
        <translation>the name is not valid for the file system</translation>
    </message>
    <message>
        <source>es un enlace que otro usuario podría haber hecho</source>
        <translation>it is a link another user could have made</translation>
    </message>
</context>
<context>
    <name>TClassroomView</name>
    <message>
        <source>Vista de clase</source>
        <translation>Classroom view</translation>
    </message>
    <message>
        <source>La vista elegida no se podrá recordar en el próximo inicio: «%1»: %2</source>
        <translation>The chosen view cannot be kept for the next start: &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>TDiagramCommands</name>
    <message>
        <source>Diagrama</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Guardar diagrama como...</source>
        <translation>Save diagram as...</translation>
    </message>
    <message>
        <source>Copiar diagrama</source>
        <translation>Copy diagram</translation>
    </message>
    <message>
        <source>Imprimir...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Dibujo SVG (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido guardar «%1»: %2.</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>&quot;%1&quot; could not be saved: %2.</translation>
    </message>
    <message>
        <source>No se ha impreso nada: no se ha podido abrir la impresora.</source>
        <translation>Nothing was printed: the printer could not be opened.</translation>
    </message>
</context>
<context>
    <name>TExerciseCommands</name>
    <message>
        <source>Ejercicios</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Practicar...</source>
        <translation>Practise...</translation>
    </message>
    <message>
        <source>Hoja de ejercicios...</source>
        <translation>Worksheet...</translation>
    </message>
</context>
<context>
    <name>TFEjercicio</name>
    <message>
        <source>✓ bien: %1</source>
        <extracomment>Beside a right answer, %1 the right value.</extracomment>
        <translation>✓ right: %1</translation>
    </message>
    <message>
        <source>✗ mal; la respuesta es %1</source>
        <translation>✗ wrong; the answer is %1</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <extracomment>The exercise&apos;s score: %1 the right answers, %2 how many were asked.</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 de %2 en 1 ejercicio</source>
        <extracomment>The session&apos;s count after one exercise: %1 right of %2 answers.</extracomment>
        <translation>%1 of %2 in 1 exercise</translation>
    </message>
    <message>
        <source>%1 de %2 en %3 ejercicios</source>
        <translation>%1 of %2 in %3 exercises</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Nivel:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Semilla:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>(elija)</source>
        <translation>(choose)</translation>
    </message>
    <message>
        <source>un número, o «infinito»</source>
        <translation>a number, or &quot;infinity&quot;</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Paso a paso</source>
        <translation>Step by step</translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>TFHojaEjercicios</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Con las soluciones</source>
        <translation>With the answer key</translation>
    </message>
    <message>
        <source>Ejercicios:</source>
        <translation>Exercises:</translation>
    </message>
    <message>
        <source>Nivel:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Semilla:</source>
        <translation>Seed:</translation>
    </message>
</context>
<context>
    <name>TFPresentacio</name>
    <message>
        <source>Presentación</source>
        <translation>Presentation</translation>
    </message>
    <message>
        <source>Esc: volver a la ventana principal</source>
        <translation>Esc: back to the main window</translation>
    </message>
    <message>
        <source>Esc: volver a la práctica</source>
        <translation>Esc: back to the practice</translation>
    </message>
</context>
<context>
    <name>TFPrincipal</name>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
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
        <translation>upright</translation>
    </message>
    <message>
        <source>inversa</source>
        <translation>inverted</translation>
    </message>
    <message>
        <source>aumentada</source>
        <translation>enlarged</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>same size</translation>
    </message>
    <message>
        <source>disminuida</source>
        <translation>reduced</translation>
    </message>
    <message>
        <source>espejo plano</source>
        <translation>plane mirror</translation>
    </message>
    <message>
        <source>espejo convexo</source>
        <translation>convex mirror</translation>
    </message>
    <message>
        <source>espejo cóncavo</source>
        <translation>concave mirror</translation>
    </message>
    <message>
        <source>posición objecto</source>
        <extracomment>The position field&apos;s label: about as short as the Spanish, its room is small.</extracomment>
        <translation>object position</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>tipo (real o virtual)</source>
        <translation>type (real or virtual)</translation>
    </message>
    <message>
        <source>orientación</source>
        <translation>orientation</translation>
    </message>
    <message>
        <source>aumento / disminución</source>
        <translation>enlargement / reduction</translation>
    </message>
    <message>
        <source>posición:</source>
        <translation>position:</translation>
    </message>
    <message>
        <source>aumento:</source>
        <extracomment>The magnification field&apos;s label, in a small room too.</extracomment>
        <translation>magnif.:</translation>
    </message>
    <message>
        <source>Elemento</source>
        <translation>Optics</translation>
    </message>
    <message>
        <source>Espejos</source>
        <translation>Mirrors</translation>
    </message>
    <message>
        <source>Plano</source>
        <translation>Plane</translation>
    </message>
    <message>
        <source>Convexo</source>
        <translation>Convex</translation>
    </message>
    <message>
        <source>Cóncavo</source>
        <translation>Concave</translation>
    </message>
    <message>
        <source>Imagen más allá del centro</source>
        <extracomment>The concave mirror&apos;s three cases, each putting the object in a zone.</extracomment>
        <translation>Object beyond the centre</translation>
    </message>
    <message>
        <source>Imagen entre el centro y el foco</source>
        <translation>Object between the centre and the focus</translation>
    </message>
    <message>
        <source>Imagen entre el foco y el espejo</source>
        <translation>Object between the focus and the mirror</translation>
    </message>
    <message>
        <source>Teoría</source>
        <translation>Theory</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Respecto a...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>plano</source>
        <translation>plane</translation>
    </message>
    <message>
        <source>convexo</source>
        <translation>convex</translation>
    </message>
    <message>
        <source>cóncavo</source>
        <translation>concave</translation>
    </message>
    <message>
        <source>Espejo</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Posición del objeto</source>
        <translation>Object position</translation>
    </message>
    <message>
        <source>Posición de la imagen</source>
        <translation>Image position</translation>
    </message>
    <message>
        <source>Aumento</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>infinito</source>
        <translation>infinity</translation>
    </message>
    <message>
        <source>No se ha podido abrir el documento de ayuda %1: falta el fichero o no hay ningún programa para abrirlo.

¿Mostrar la teoría en una ventana del programa?</source>
        <translation>The help document %1 could not be opened: the file is missing or no program can open it.

Show the theory in a window of the program?</translation>
    </message>
</context>
<context>
    <name>TFSobre</name>
    <message>
        <source>Sobre </source>
        <translation>About </translation>
    </message>
    <message>
        <source>http://vexaria.example.org/es </source>
        <translation>http://vexaria.example.org/en </translation>
    </message>
    <message>
        <source>¡Vaya!</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>TFTamanyPng</name>
    <message>
        <source>Tamaño de la imagen PNG</source>
        <translation>PNG image size</translation>
    </message>
    <message>
        <source>Ancho:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Alto:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source> píxeles</source>
        <translation> pixels</translation>
    </message>
</context>
<context>
    <name>ToolFile</name>
    <message>
        <source>no es un fichero normal</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>ocupa más de %1 MB</source>
        <extracomment>%1 the bound in megabytes.</extracomment>
        <translation>it is larger than %1 MB</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Utilidades</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Edición utilidades</source>
        <translation>Tools edition</translation>
    </message>
    <message>
        <source>No se ha abierto «%1»: %2.</source>
        <extracomment>%1 the tool&apos;s file, %2 the reason.</extracomment>
        <translation>&quot;%1&quot; was not opened: %2.</translation>
    </message>
    <message>
        <source>el fichero es de otro usuario</source>
        <translation>the file belongs to another user</translation>
    </message>
    <message>
        <source>otros usuarios pueden modificar el fichero</source>
        <translation>other users can change the file</translation>
    </message>
    <message>
        <source>su carpeta es de otro usuario</source>
        <translation>its folder belongs to another user</translation>
    </message>
    <message>
        <source>otros usuarios pueden escribir en su carpeta</source>
        <translation>other users can write to its folder</translation>
    </message>
    <message>
        <source>un programa sin carpeta propia no se ejecuta desde la carpeta de trabajo; indique su carpeta en «Directorio de trabajo»</source>
        <translation>a program without a folder of its own is not run from the working folder; give its folder in &quot;Work directory&quot;</translation>
    </message>
    <message>
        <source>Utilidad</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Título</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Fichero</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Directorio de trabajo</source>
        <translation>Work directory</translation>
    </message>
    <message>
        <source>Parámetros</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>El campo «%1» contiene el carácter %2, que no se puede guardar en «Tools.rel». Cámbielo y vuelva a pulsar «&lt;- ok».</source>
        <extracomment>%1 the field&apos;s caption, %2 the character (its code, after the character itself when that can be shown).</extracomment>
        <translation>The field &quot;%1&quot; holds the character %2, which cannot be stored in &quot;Tools.rel&quot;. Change it and press &quot;&lt;- ok&quot; again.</translation>
    </message>
    <message>
        <source>No se ha podido guardar «Tools.rel»: %1. La lista editada se conserva.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>&quot;Tools.rel&quot; could not be saved: %1. The edited list is kept.</translation>
    </message>
    <message>
        <source>No se ha podido leer «Tools.rel»: %1. Al pulsar «OK» no se sobrescribirá.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>&quot;Tools.rel&quot; could not be read: %1. Pressing &quot;OK&quot; will not overwrite it.</translation>
    </message>
    <message>
        <source>«Tools.rel» no se ha podido leer (%1) y no se sobrescribe, porque se perderían las utilidades que contiene. La lista editada se conserva.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>&quot;Tools.rel&quot; could not be read (%1) and is not overwritten, as the tools it holds would be lost. The edited list is kept.</translation>
    </message>
    <message>
        <source>Otro programa ha cambiado «Tools.rel» desde que el editor lo leyó. ¿Quiere sobrescribirlo con la lista editada, o volver a leerlo y perder los cambios del editor?</source>
        <translation>Another program has changed &quot;Tools.rel&quot; since the editor read it. Do you want to overwrite it with the edited list, or read it again and lose the editor&apos;s changes?</translation>
    </message>
    <message>
        <source>Sobrescribir</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>Volver a leer</source>
        <translation>Read again</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>«%1» es del usuario «%2» u otros usuarios pueden escribir en él. ¿Abrir esta utilidad?</source>
        <extracomment>%1 the tools file, %2 its owner. Asked before a tool of a list that another user could have written is started.</extracomment>
        <translation>&quot;%1&quot; belongs to the user &quot;%2&quot; or other users can write to it. Open this tool?</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Hoja de ejercicios: espejos</source>
        <translation>Worksheet: mirrors</translation>
    </message>
    <message>
        <source>Nivel: %1</source>
        <extracomment>%1 the level, as the practice window lists it.</extracomment>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Dibuja los rayos principales y la imagen en cada diagrama.</source>
        <translation>Draw the principal rays and the image on each diagram.</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Answer key</translation>
    </message>
    <message>
        <source>Soluciones: los diagramas</source>
        <translation>Answer key: the diagrams</translation>
    </message>
    <message>
        <source>Semilla %1 · página %2 de %3</source>
        <extracomment>The footer of every page: %1 the seed, %2 the page, %3 how many.</extracomment>
        <translation>Seed %1 · page %2 of %3</translation>
    </message>
    <message>
        <source>Tipo (real o virtual)</source>
        <translation>Type (real or virtual)</translation>
    </message>
    <message>
        <source>Sentido (derecha o inversa)</source>
        <translation>Orientation (upright or inverted)</translation>
    </message>
    <message>
        <source>Tamaño (aumentada, igual o disminuida)</source>
        <translation>Size (enlarged, same size or reduced)</translation>
    </message>
    <message>
        <source>Posición de la imagen</source>
        <translation>Position of the image</translation>
    </message>
    <message>
        <source>Aumento</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>no se ha podido componer el documento</source>
        <translation>the document could not be made</translation>
    </message>
</context>
</TS>
