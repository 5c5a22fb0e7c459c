<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Espejo plano.</source>
        <translation>Mirall pla.</translation>
    </message>
    <message>
        <source>Espejo convexo.</source>
        <translation>Mirall convex.</translation>
    </message>
    <message>
        <source>Espejo cóncavo.</source>
        <translation>Mirall còncau.</translation>
    </message>
    <message>
        <source>más allá del centro</source>
        <translation>més enllà del centre</translation>
    </message>
    <message>
        <source>en el centro</source>
        <translation>al centre</translation>
    </message>
    <message>
        <source>entre el centro y el foco</source>
        <translation>entre el centre i el focus</translation>
    </message>
    <message>
        <source>en el foco</source>
        <translation>al focus</translation>
    </message>
    <message>
        <source>entre el foco y el espejo</source>
        <translation>entre el focus i el mirall</translation>
    </message>
    <message>
        <source>Objeto sobre el espejo</source>
        <translation>Objecte sobre el mirall</translation>
    </message>
    <message>
        <source>Objeto a %1 detrás del espejo</source>
        <translation>Objecte a %1 darrere del mirall</translation>
    </message>
    <message>
        <source>Objeto a %1 delante del espejo</source>
        <translation>Objecte a %1 davant del mirall</translation>
    </message>
    <message>
        <source>Imagen en el infinito: los rayos reflejados salen paralelos.</source>
        <translation>Imatge a l&apos;infinit: els raigs reflectits surten paral·lels.</translation>
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
        <translation>dreta</translation>
    </message>
    <message>
        <source>aumentada</source>
        <translation>augmentada</translation>
    </message>
    <message>
        <source>del mismo tamaño</source>
        <translation>de la mateixa mida</translation>
    </message>
    <message>
        <source>reducida</source>
        <translation>reduïda</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, sobre el espejo; aumento %4.</source>
        <translation>Imatge %1, %2 i %3, sobre el mirall; augment %4.</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, a %4 detrás del espejo; aumento %5.</source>
        <translation>Imatge %1, %2 i %3, a %4 darrere del mirall; augment %5.</translation>
    </message>
    <message>
        <source>Imagen %1, %2 y %3, a %4 delante del espejo; aumento %5.</source>
        <translation>Imatge %1, %2 i %3, a %4 davant del mirall; augment %5.</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>imagen en el %1</source>
        <translation>imatge a l&apos;%1</translation>
    </message>
    <message>
        <source>imagen a %1, fuera del dibujo</source>
        <translation>imatge a %1, fora del dibuix</translation>
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
        <translation>Ús: mirvex [--export FITXER --mirror plano|convexo|concavo --object N [--size AxB]]
Sense opcions obre la finestra del programa.
  --export FITXER  escriu el diagrama a FITXER (.png, .svg o .pdf) i acaba, sense obrir
                   cap finestra
  --mirror MIRALL  plano (pla), convexo (convex) o concavo (còncau)
  --object N       distància de l&apos;objecte davant del mirall, un nombre enter com a
                   «posición objecto»: 30 posa l&apos;objecte a -30
  --size AxB       mida en píxels: per defecte 1700x1124; en PDF, la pàgina a 96 píxels
                   per polzada, per defecte 425x281
  --help           mostra aquesta ajuda i acaba
  --version        mostra la versió i acaba</translation>
    </message>
    <message>
        <source>opción desconocida: «%1» (vea --help)</source>
        <translation>opció desconeguda: «%1» (vegeu --help)</translation>
    </message>
    <message>
        <source>falta el valor de %1</source>
        <translation>falta el valor de %1</translation>
    </message>
    <message>
        <source>%1 aparece dos veces</source>
        <translation>%1 apareix dues vegades</translation>
    </message>
    <message>
        <source>falta la opción %1</source>
        <translation>falta l&apos;opció %1</translation>
    </message>
    <message>
        <source>--export «%1»: el nombre debe terminar en .png, .svg o .pdf</source>
        <translation>--export «%1»: el nom ha d&apos;acabar en .png, .svg o .pdf</translation>
    </message>
    <message>
        <source>--mirror «%1»: debe ser plano, convexo o concavo</source>
        <translation>--mirror «%1»: ha de ser plano, convexo o concavo</translation>
    </message>
    <message>
        <source>--object «%1»: no es un número entero</source>
        <translation>--object «%1»: no és un nombre enter</translation>
    </message>
    <message>
        <source>--size «%1»: debe ser ANCHOxALTO, cada uno de 1 a %2 píxeles</source>
        <translation>--size «%1»: ha de ser AMPLADAxALÇADA, cada una d&apos;1 a %2 píxels</translation>
    </message>
    <message>
        <source>--export «%1»: no se ha podido escribir: %2</source>
        <translation>--export «%1»: no s&apos;ha pogut escriure: %2</translation>
    </message>
    <message>
        <source>--object %1: el diagrama no se puede dibujar: %2</source>
        <extracomment>%1 the object&apos;s distance, %2 the run-time error.</extracomment>
        <translation>--object %1: el diagrama no es pot dibuixar: %2</translation>
    </message>
    <message>
        <source>--lang admite %2, no «%1»</source>
        <extracomment>%1 the value given to --lang, %2 the codes it takes (&quot;ca, en, es, gl&quot;).</extracomment>
        <translation>--lang admet %2, no «%1»</translation>
    </message>
    <message>
        <source>--style «%1»: debe ser classroom u original</source>
        <translation>--style «%1»: ha de ser classroom o original</translation>
    </message>
    <message>
        <source>--worksheet «%1»: el nombre debe terminar en .pdf</source>
        <translation>--worksheet «%1»: el nom ha d&apos;acabar en .pdf</translation>
    </message>
    <message>
        <source>--count «%1»: debe ser un número entero de %2 a %3</source>
        <translation>--count «%1»: ha de ser un nombre enter de %2 a %3</translation>
    </message>
    <message>
        <source>--level «%1»: debe ser %2</source>
        <extracomment>%2 the levels, separated by &quot;|&quot;.</extracomment>
        <translation>--level «%1»: ha de ser %2</translation>
    </message>
    <message>
        <source>--seed «%1»: debe ser un número entero de 0 a %2</source>
        <translation>--seed «%1»: ha de ser un nombre enter de 0 a %2</translation>
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
        <translation>  --mirror també accepta plane, convex o concave
  --style ESTIL    classroom (vista de classe, amb rètols i escala; per defecte)
                   o original (el dibuix del tauler)
  --lang IDIOMA    ca, en, es o gl: l&apos;idioma dels missatges i del dibuix
  --worksheet FITXER.pdf [--count N] [--level NIVELL] [--seed S] [--no-key]
                   escriu un full d&apos;exercicis en PDF amb N exercicis (d&apos;1 a 60, 8 si
                   no s&apos;indica) del nivell plano, concavo-lejos, concavo-centro-foco,
                   concavo-foco-espejo, convexo o mezcla (per defecte), i les seves
                   solucions excepte amb --no-key; la mateixa llavor S dona els
                   mateixos exercicis</translation>
    </message>
    <message>
        <source>%1 no se puede usar con %2</source>
        <translation>%1 no es pot fer servir amb %2</translation>
    </message>
    <message>
        <source>--worksheet «%1»: no se ha podido escribir: %2</source>
        <extracomment>%2 the system&apos;s reason.</extracomment>
        <translation>--worksheet «%1»: no s&apos;ha pogut escriure: %2</translation>
    </message>
    <message>
        <source>%1 «%2»: el nombre es relativo y la carpeta desde la que se llamó ya no existe</source>
        <translation>%1 «%2»: el nom és relatiu i la carpeta des d&apos;on s&apos;ha cridat ja no existeix</translation>
    </message>
</context>
<context>
    <name>DiagramMenu</name>
    <message>
        <source>Guardando la imagen...</source>
        <translation>S&apos;està desant la imatge...</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Espejo plano</source>
        <translation>Mirall pla</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto más allá del centro</source>
        <translation>Mirall còncau, objecte més enllà del centre</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto entre el centro y el foco</source>
        <translation>Mirall còncau, objecte entre el centre i el focus</translation>
    </message>
    <message>
        <source>Espejo cóncavo, objeto entre el foco y el espejo</source>
        <translation>Mirall còncau, objecte entre el focus i el mirall</translation>
    </message>
    <message>
        <source>Espejo convexo</source>
        <translation>Mirall convex</translation>
    </message>
    <message>
        <source>Todo mezclado</source>
        <translation>Tot barrejat</translation>
    </message>
    <message>
        <source>Espejo cóncavo</source>
        <translation>Mirall còncau</translation>
    </message>
    <message>
        <source>%1, objeto a %2</source>
        <extracomment>%1 the mirror (&quot;Espejo cóncavo&quot;), %2 the object&apos;s abscissa (&quot;−35&quot;).</extracomment>
        <translation>%1, objecte a %2</translation>
    </message>
    <message>
        <source>%1. %2: objeto %3 → imagen %4; aumento %5; %6, %7, %8</source>
        <extracomment>One line of the answer key. %1 the exercise&apos;s number, %2 the mirror, %3 the object&apos;s abscissa, %4 the image&apos;s, %5 the magnification, then the three words of the image.</extracomment>
        <translation>%1. %2: objecte %3 → imatge %4; augment %5; %6, %7, %8</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Español</source>
        <extracomment>This language&apos;s name, in itself, as Info &gt; Idioma lists it.</extracomment>
        <translation>Català</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>El idioma elegido no se podrá recordar en el próximo inicio: «%1»: %2</source>
        <extracomment>%1 the settings file, %2 why. Said once, in the language just chosen.</extracomment>
        <translation>L&apos;idioma triat no es podrà recordar a la propera obertura: «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>La impresión no está disponible: %1</source>
        <extracomment>%1 why.</extracomment>
        <translation>La impressió no està disponible: %1</translation>
    </message>
    <message>
        <source>falta «%1»</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>falta «%1»</translation>
    </message>
    <message>
        <source>no se ha podido cargar el módulo de impresión (%1)</source>
        <extracomment>%1 the system&apos;s reason, which names the file.</extracomment>
        <translation>no s&apos;ha pogut carregar el mòdul d&apos;impressió (%1)</translation>
    </message>
    <message>
        <source>«%1» no es el módulo de impresión del programa</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>«%1» no és el mòdul d&apos;impressió del programa</translation>
    </message>
    <message>
        <source>«%1» es de otra versión del programa (interfaz %2; este programa necesita la %3)</source>
        <extracomment>%1 the module&apos;s file, %2 its interface version, %3 the program&apos;s.</extracomment>
        <translation>«%1» és d&apos;una altra versió del programa (interfície %2; aquest programa necessita la %3)</translation>
    </message>
    <message>
        <source>«%1» está incompleto o dañado</source>
        <extracomment>%1 the module&apos;s file.</extracomment>
        <translation>«%1» està incomplet o malmès</translation>
    </message>
</context>
<context>
    <name>RunError</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no és un valor enter vàlid</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operació de coma flotant no vàlida</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisió per zero en coma flotant</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordament de coma flotant</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Error de comprovació de rang</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>La imatge de la icona no és vàlida</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>ocupa más de %1 bytes</source>
        <translation>ocupa més de %1 bytes</translation>
    </message>
    <message>
        <source>el nombre no es válido para el sistema de ficheros</source>
        <translation>el nom no és vàlid per al sistema de fitxers</translation>
    </message>
    <message>
        <source>es un enlace que otro usuario podría haber hecho</source>
        <translation>és un enllaç que un altre usuari podria haver fet</translation>
    </message>
</context>
<context>
    <name>TClassroomView</name>
    <message>
        <source>Vista de clase</source>
        <translation>Vista de classe</translation>
    </message>
    <message>
        <source>La vista elegida no se podrá recordar en el próximo inicio: «%1»: %2</source>
        <translation>La vista triada no es podrà recordar a la propera obertura: «%1»: %2</translation>
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
        <translation>Desa el diagrama com a...</translation>
    </message>
    <message>
        <source>Copiar diagrama</source>
        <translation>Copia el diagrama</translation>
    </message>
    <message>
        <source>Imprimir...</source>
        <translation>Imprimeix...</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>Imatge PNG (*.png)</translation>
    </message>
    <message>
        <source>Dibujo SVG (*.svg)</source>
        <translation>Dibuix SVG (*.svg)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido guardar «%1»: %2.</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>No s&apos;ha pogut desar «%1»: %2.</translation>
    </message>
    <message>
        <source>No se ha impreso nada: no se ha podido abrir la impresora.</source>
        <translation>No s&apos;ha imprès res: no s&apos;ha pogut obrir la impressora.</translation>
    </message>
</context>
<context>
    <name>TExerciseCommands</name>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicis</translation>
    </message>
    <message>
        <source>Practicar...</source>
        <translation>Practica...</translation>
    </message>
    <message>
        <source>Hoja de ejercicios...</source>
        <translation>Full d&apos;exercicis...</translation>
    </message>
</context>
<context>
    <name>TFEjercicio</name>
    <message>
        <source>✓ bien: %1</source>
        <extracomment>Beside a right answer, %1 the right value.</extracomment>
        <translation>✓ bé: %1</translation>
    </message>
    <message>
        <source>✗ mal; la respuesta es %1</source>
        <translation>✗ malament; la resposta és %1</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <extracomment>The exercise&apos;s score: %1 the right answers, %2 how many were asked.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 de %2 en 1 ejercicio</source>
        <extracomment>The session&apos;s count after one exercise: %1 right of %2 answers.</extracomment>
        <translation>%1 de %2 en 1 exercici</translation>
    </message>
    <message>
        <source>%1 de %2 en %3 ejercicios</source>
        <translation>%1 de %2 en %3 exercicis</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicis</translation>
    </message>
    <message>
        <source>Nivel:</source>
        <translation>Nivell:</translation>
    </message>
    <message>
        <source>Semilla:</source>
        <translation>Llavor:</translation>
    </message>
    <message>
        <source>(elija)</source>
        <translation>(trieu)</translation>
    </message>
    <message>
        <source>un número, o «infinito»</source>
        <translation>un nombre, o «infinit»</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Comprovar</translation>
    </message>
    <message>
        <source>Paso a paso</source>
        <translation>Pas a pas</translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation>Següent</translation>
    </message>
</context>
<context>
    <name>TFHojaEjercicios</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Full d&apos;exercicis</translation>
    </message>
    <message>
        <source>Con las soluciones</source>
        <translation>Amb les solucions</translation>
    </message>
    <message>
        <source>Ejercicios:</source>
        <translation>Exercicis:</translation>
    </message>
    <message>
        <source>Nivel:</source>
        <translation>Nivell:</translation>
    </message>
    <message>
        <source>Semilla:</source>
        <translation>Llavor:</translation>
    </message>
</context>
<context>
    <name>TFPresentacio</name>
    <message>
        <source>Presentación</source>
        <translation>Presentació</translation>
    </message>
    <message>
        <source>Esc: volver a la ventana principal</source>
        <translation>Esc: tornar a la finestra principal</translation>
    </message>
    <message>
        <source>Esc: volver a la práctica</source>
        <translation>Esc: tornar a la pràctica</translation>
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
        <translation>dreta</translation>
    </message>
    <message>
        <source>inversa</source>
        <translation>invertida</translation>
    </message>
    <message>
        <source>aumentada</source>
        <translation>augmentada</translation>
    </message>
    <message>
        <source>igual</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>disminuida</source>
        <translation>reduïda</translation>
    </message>
    <message>
        <source>espejo plano</source>
        <translation>mirall pla</translation>
    </message>
    <message>
        <source>espejo convexo</source>
        <translation>mirall convex</translation>
    </message>
    <message>
        <source>espejo cóncavo</source>
        <translation>mirall còncau</translation>
    </message>
    <message>
        <source>posición objecto</source>
        <extracomment>The position field&apos;s label: about as short as the Spanish, its room is small.</extracomment>
        <translation>posició objecte</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Imatge</translation>
    </message>
    <message>
        <source>tipo (real o virtual)</source>
        <translation>tipus (real o virtual)</translation>
    </message>
    <message>
        <source>orientación</source>
        <translation>orientació</translation>
    </message>
    <message>
        <source>aumento / disminución</source>
        <translation>augment / reducció</translation>
    </message>
    <message>
        <source>posición:</source>
        <translation>posició:</translation>
    </message>
    <message>
        <source>aumento:</source>
        <extracomment>The magnification field&apos;s label, in a small room too.</extracomment>
        <translation>augment:</translation>
    </message>
    <message>
        <source>Elemento</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Espejos</source>
        <translation>Miralls</translation>
    </message>
    <message>
        <source>Plano</source>
        <translation>Pla</translation>
    </message>
    <message>
        <source>Convexo</source>
        <translation>Convex</translation>
    </message>
    <message>
        <source>Cóncavo</source>
        <translation>Còncau</translation>
    </message>
    <message>
        <source>Imagen más allá del centro</source>
        <extracomment>The concave mirror&apos;s three cases, each putting the object in a zone.</extracomment>
        <translation>Objecte més enllà del centre</translation>
    </message>
    <message>
        <source>Imagen entre el centro y el foco</source>
        <translation>Objecte entre el centre i el focus</translation>
    </message>
    <message>
        <source>Imagen entre el foco y el espejo</source>
        <translation>Objecte entre el focus i el mirall</translation>
    </message>
    <message>
        <source>Teoría</source>
        <translation>Teoria</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Respecto a...</source>
        <translation>Quant a...</translation>
    </message>
    <message>
        <source>plano</source>
        <translation>pla</translation>
    </message>
    <message>
        <source>convexo</source>
        <translation>convex</translation>
    </message>
    <message>
        <source>cóncavo</source>
        <translation>còncau</translation>
    </message>
    <message>
        <source>Espejo</source>
        <translation>Mirall</translation>
    </message>
    <message>
        <source>Posición del objeto</source>
        <translation>Posició de l&apos;objecte</translation>
    </message>
    <message>
        <source>Posición de la imagen</source>
        <translation>Posició de la imatge</translation>
    </message>
    <message>
        <source>Aumento</source>
        <translation>Augment</translation>
    </message>
    <message>
        <source>infinito</source>
        <translation>infinit</translation>
    </message>
    <message>
        <source>No se ha podido abrir el documento de ayuda %1: falta el fichero o no hay ningún programa para abrirlo.

¿Mostrar la teoría en una ventana del programa?</source>
        <translation>No s&apos;ha pogut obrir el document d&apos;ajuda %1: falta el fitxer o no hi ha cap programa per obrir-lo.

Voleu veure la teoria en una finestra del programa?</translation>
    </message>
</context>
<context>
    <name>TFSobre</name>
    <message>
        <source>Sobre </source>
        <translation>Quant a </translation>
    </message>
    <message>
        <source>http://vexaria.example.org/es </source>
        <translation>http://vexaria.example.org </translation>
    </message>
    <message>
        <source>¡Vaya!</source>
        <translation>Vaja!</translation>
    </message>
</context>
<context>
    <name>TFTamanyPng</name>
    <message>
        <source>Tamaño de la imagen PNG</source>
        <translation>Mida de la imatge PNG</translation>
    </message>
    <message>
        <source>Ancho:</source>
        <translation>Amplada:</translation>
    </message>
    <message>
        <source>Alto:</source>
        <translation>Alçada:</translation>
    </message>
    <message>
        <source> píxeles</source>
        <translation> píxels</translation>
    </message>
</context>
<context>
    <name>ToolFile</name>
    <message>
        <source>no es un fichero normal</source>
        <translation>no és un fitxer normal</translation>
    </message>
    <message>
        <source>ocupa más de %1 MB</source>
        <extracomment>%1 the bound in megabytes.</extracomment>
        <translation>ocupa més de %1 MB</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Utilidades</source>
        <translation>Eines</translation>
    </message>
    <message>
        <source>Edición utilidades</source>
        <translation>Edició eines</translation>
    </message>
    <message>
        <source>No se ha abierto «%1»: %2.</source>
        <extracomment>%1 the tool&apos;s file, %2 the reason.</extracomment>
        <translation>No s&apos;ha obert «%1»: %2.</translation>
    </message>
    <message>
        <source>el fichero es de otro usuario</source>
        <translation>el fitxer és d&apos;un altre usuari</translation>
    </message>
    <message>
        <source>otros usuarios pueden modificar el fichero</source>
        <translation>altres usuaris poden modificar el fitxer</translation>
    </message>
    <message>
        <source>su carpeta es de otro usuario</source>
        <translation>la seva carpeta és d&apos;un altre usuari</translation>
    </message>
    <message>
        <source>otros usuarios pueden escribir en su carpeta</source>
        <translation>altres usuaris poden escriure a la seva carpeta</translation>
    </message>
    <message>
        <source>un programa sin carpeta propia no se ejecuta desde la carpeta de trabajo; indique su carpeta en «Directorio de trabajo»</source>
        <translation>un programa sense carpeta pròpia no s&apos;executa des de la carpeta de treball; indiqueu-ne la carpeta a «Directori de treball»</translation>
    </message>
    <message>
        <source>Utilidad</source>
        <translation>Eina</translation>
    </message>
    <message>
        <source>Título</source>
        <translation>Títol</translation>
    </message>
    <message>
        <source>Fichero</source>
        <translation>Fitxer</translation>
    </message>
    <message>
        <source>Directorio de trabajo</source>
        <translation>Directori de treball</translation>
    </message>
    <message>
        <source>Parámetros</source>
        <translation>Paràmetres</translation>
    </message>
    <message>
        <source>El campo «%1» contiene el carácter %2, que no se puede guardar en «Tools.rel». Cámbielo y vuelva a pulsar «&lt;- ok».</source>
        <extracomment>%1 the field&apos;s caption, %2 the character (its code, after the character itself when that can be shown).</extracomment>
        <translation>El camp «%1» conté el caràcter %2, que no es pot desar a «Tools.rel». Canvieu-lo i torneu a prémer «&lt;- ok».</translation>
    </message>
    <message>
        <source>No se ha podido guardar «Tools.rel»: %1. La lista editada se conserva.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>No s&apos;ha pogut desar «Tools.rel»: %1. La llista editada es conserva.</translation>
    </message>
    <message>
        <source>No se ha podido leer «Tools.rel»: %1. Al pulsar «OK» no se sobrescribirá.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>No s&apos;ha pogut llegir «Tools.rel»: %1. En prémer «OK» no se sobreescriurà.</translation>
    </message>
    <message>
        <source>«Tools.rel» no se ha podido leer (%1) y no se sobrescribe, porque se perderían las utilidades que contiene. La lista editada se conserva.</source>
        <extracomment>%1 the system&apos;s reason.</extracomment>
        <translation>«Tools.rel» no s&apos;ha pogut llegir (%1) i no se sobreescriu, perquè es perdrien les eines que conté. La llista editada es conserva.</translation>
    </message>
    <message>
        <source>Otro programa ha cambiado «Tools.rel» desde que el editor lo leyó. ¿Quiere sobrescribirlo con la lista editada, o volver a leerlo y perder los cambios del editor?</source>
        <translation>Un altre programa ha canviat «Tools.rel» des que l&apos;editor el va llegir. Voleu sobreescriure&apos;l amb la llista editada, o tornar-lo a llegir i perdre els canvis de l&apos;editor?</translation>
    </message>
    <message>
        <source>Sobrescribir</source>
        <translation>Sobreescriu</translation>
    </message>
    <message>
        <source>Volver a leer</source>
        <translation>Torna a llegir</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>«%1» es del usuario «%2» u otros usuarios pueden escribir en él. ¿Abrir esta utilidad?</source>
        <extracomment>%1 the tools file, %2 its owner. Asked before a tool of a list that another user could have written is started.</extracomment>
        <translation>«%1» és de l&apos;usuari «%2» o altres usuaris hi poden escriure. Voleu obrir aquesta eina?</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Hoja de ejercicios: espejos</source>
        <translation>Full d&apos;exercicis: miralls</translation>
    </message>
    <message>
        <source>Nivel: %1</source>
        <extracomment>%1 the level, as the practice window lists it.</extracomment>
        <translation>Nivell: %1</translation>
    </message>
    <message>
        <source>Dibuja los rayos principales y la imagen en cada diagrama.</source>
        <translation>Dibuixa els raigs principals i la imatge a cada diagrama.</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solucions</translation>
    </message>
    <message>
        <source>Soluciones: los diagramas</source>
        <translation>Solucions: els diagrames</translation>
    </message>
    <message>
        <source>Semilla %1 · página %2 de %3</source>
        <extracomment>The footer of every page: %1 the seed, %2 the page, %3 how many.</extracomment>
        <translation>Llavor %1 · pàgina %2 de %3</translation>
    </message>
    <message>
        <source>Tipo (real o virtual)</source>
        <translation>Tipus (real o virtual)</translation>
    </message>
    <message>
        <source>Sentido (derecha o inversa)</source>
        <translation>Sentit (dreta o invertida)</translation>
    </message>
    <message>
        <source>Tamaño (aumentada, igual o disminuida)</source>
        <translation>Mida (augmentada, igual o reduïda)</translation>
    </message>
    <message>
        <source>Posición de la imagen</source>
        <translation>Posició de la imatge</translation>
    </message>
    <message>
        <source>Aumento</source>
        <translation>Augment</translation>
    </message>
    <message>
        <source>no se ha podido componer el documento</source>
        <translation>no s&apos;ha pogut compondre el document</translation>
    </message>
</context>
</TS>
