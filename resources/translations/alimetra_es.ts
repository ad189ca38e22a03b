<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AyudaMedidas</name>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Household measure</source>
        <translation>Medida casera</translation>
    </message>
    <message>
        <source>per day</source>
        <translation>al día</translation>
    </message>
    <message>
        <source>per week</source>
        <translation>a la semana</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Stored now: %1 g a week, about %2 %3 a day</source>
        <translation>Guardado ahora: %1 g a la semana, unos %2 %3 al día</translation>
    </message>
    <message>
        <source>%1 %2 %3 = %4 g a week</source>
        <translation>%1 %2 %3 = %4 g a la semana</translation>
    </message>
    <message>
        <source>: more than %1 g, not entered</source>
        <translation>: más de %1 g, no se introduce</translation>
    </message>
    <message>
        <source>: less than 1 g, not entered</source>
        <translation>: menos de 1 g, no se introduce</translation>
    </message>
    <message>
        <source>: more than %1 kg a week, please check</source>
        <translation>: más de %1 kg a la semana, compruébelo</translation>
    </message>
</context>
<context>
    <name>DatosPersonales</name>
    <message>
        <source>Complete the following form and click Save</source>
        <translation>Rellene el siguiente formulario y pulse Guardar</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Age group</source>
        <translation>Grupo de edad</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Sexo:</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Weight  (kilograms):</source>
        <translation>Peso  (kilogramos):</translation>
    </message>
    <message>
        <source>Weight in kilograms</source>
        <translation>Peso en kilogramos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Age is a compulsory detail</source>
        <translation>La edad es un dato obligatorio</translation>
    </message>
    <message>
        <source>Sex is a compulsory detail</source>
        <translation>El sexo es un dato obligatorio</translation>
    </message>
    <message>
        <source>Weight is a compulsory detail (integer numbers only)</source>
        <translation>El peso es un dato obligatorio (solo números enteros)</translation>
    </message>
    <message>
        <source>Your personal data have been saved</source>
        <translation>Sus datos personales se han guardado</translation>
    </message>
    <message>
        <source>An error occured while saving your personal data</source>
        <translation>Se produjo un error al guardar sus datos personales</translation>
    </message>
</context>
<context>
    <name>DialogoIngesta</name>
    <message>
        <source>  Set intake</source>
        <translation>  Fijar ingesta</translation>
    </message>
    <message>
        <source>grams a week</source>
        <translation>gramos a la semana</translation>
    </message>
    <message>
        <source>Weekly intake in grams</source>
        <translation>Ingesta semanal en gramos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>No food selected</source>
        <translation>Ningún alimento seleccionado</translation>
    </message>
    <message>
        <source>Please, set your weekly intake (grams, integer numbers only)</source>
        <translation>Indique su ingesta semanal (gramos, solo números enteros)</translation>
    </message>
    <message>
        <source>Please, select a food</source>
        <translation>Seleccione un alimento</translation>
    </message>
</context>
<context>
    <name>DialogoPerfil</name>
    <message>
        <source>An error occurred while creting the new profile</source>
        <translation>Se produjo un error al crear el perfil nuevo</translation>
    </message>
    <message>
        <source>An error occurred while duplicating the profile selected</source>
        <translation>Se produjo un error al duplicar el perfil seleccionado</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Enter the name for the new profile:</source>
        <translation>Escriba el nombre del perfil nuevo:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Enter the name to duplicate the profile:</source>
        <translation>Escriba el nombre con el que duplicar el perfil:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Enter the new name of the profile:</source>
        <translation>Escriba el nuevo nombre del perfil:</translation>
    </message>
    <message>
        <source>Profile name cannot be blank or greater than 200 characters</source>
        <translation>El nombre del perfil no puede estar vacío ni tener más de 200 caracteres</translation>
    </message>
    <message>
        <source>Please, select a profile in the list first</source>
        <translation>Seleccione primero un perfil de la lista</translation>
    </message>
    <message>
        <source>Profile created</source>
        <translation>Perfil creado</translation>
    </message>
    <message>
        <source>Profile saved</source>
        <translation>Perfil guardado</translation>
    </message>
    <message>
        <source>An error occurred while renaming the profile</source>
        <translation>Se produjo un error al renombrar el perfil</translation>
    </message>
    <message>
        <source>Profile renamed</source>
        <translation>Perfil renombrado</translation>
    </message>
</context>
<context>
    <name>EditorPropio</name>
    <message>
        <source>Edit &quot;%1&quot;</source>
        <translation>Editar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>Nueva receta</translation>
    </message>
    <message>
        <source>New food</source>
        <translation>Nuevo alimento</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Food group</source>
        <translation>Grupo de alimentos</translation>
    </message>
    <message>
        <source>Name of the food</source>
        <translation>Nombre del alimento</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Grupo:</translation>
    </message>
    <message>
        <source>The label gives its values</source>
        <translation>La etiqueta da sus valores</translation>
    </message>
    <message>
        <source>per 100 g</source>
        <translation>por 100 g</translation>
    </message>
    <message>
        <source>per serving of</source>
        <translation>por ración de</translation>
    </message>
    <message>
        <source>Grams in a serving</source>
        <translation>Gramos de una ración</translation>
    </message>
    <message>
        <source>The values are read in the basis chosen here when you save, and kept per 100 g.</source>
        <translation>Al guardar, los valores se leen en la base elegida aquí y se guardan por 100 g.</translation>
    </message>
    <message>
        <source>Nutrients in 100 g of the dish</source>
        <translation>Nutrientes en 100 g del plato</translation>
    </message>
    <message>
        <source>Nutrients</source>
        <translation>Nutrientes</translation>
    </message>
    <message>
        <source>Nutrient</source>
        <translation>Nutriente</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>More nutrients</source>
        <translation>Más nutrientes</translation>
    </message>
    <message>
        <source>Worked out from the ingredients. ≥: at least this much, as some ingredients do not tell it.</source>
        <translation>Calculados a partir de los ingredientes. ≥: como mínimo esto, porque algunos ingredientes no lo indican.</translation>
    </message>
    <message>
        <source>Leave a value empty when the label does not give it: empty is unknown, not 0.</source>
        <translation>Deje vacío el valor que la etiqueta no dé: vacío es desconocido, no 0.</translation>
    </message>
    <message>
        <source>Household measures</source>
        <translation>Medidas caseras</translation>
    </message>
    <message>
        <source>Measure (&quot;1 slice&quot;)</source>
        <translation>Medida (&quot;1 rebanada&quot;)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramos</translation>
    </message>
    <message>
        <source>Add measure</source>
        <translation>Añadir medida</translation>
    </message>
    <message>
        <source>Remove measure</source>
        <translation>Quitar medida</translation>
    </message>
    <message>
        <source>With the number of servings, &quot;1 serving&quot; is added by itself.</source>
        <translation>Con el número de raciones se añade sola la medida &quot;1 serving&quot;.</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredientes</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Cooked weight (g):</source>
        <translation>Peso cocinado (g):</translation>
    </message>
    <message>
        <source>Servings (optional):</source>
        <translation>Raciones (opcional):</translation>
    </message>
    <message>
        <source>Cooked weight in grams</source>
        <translation>Peso cocinado en gramos</translation>
    </message>
    <message>
        <source>Number of servings</source>
        <translation>Número de raciones</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Find a food to add, pick it, give the amount and click Add:</source>
        <translation>Busque un alimento, elíjalo, indique la cantidad y pulse Añadir:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Cantidad:</translation>
    </message>
    <message>
        <source>Search words for an ingredient</source>
        <translation>Palabras de búsqueda de un ingrediente</translation>
    </message>
    <message>
        <source>Foods found</source>
        <translation>Alimentos encontrados</translation>
    </message>
    <message>
        <source>Amount of the ingredient</source>
        <translation>Cantidad del ingrediente</translation>
    </message>
    <message>
        <source>Measure of the amount</source>
        <translation>Medida de la cantidad</translation>
    </message>
    <message>
        <source>%1 of %2 nutrients known</source>
        <translation>%1 de %2 nutrientes conocidos</translation>
    </message>
    <message>
        <source>Please, give the weight of a serving in grams, as the label prints it</source>
        <translation>Indique el peso de una ración en gramos, tal como figura en la etiqueta</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an amount. Type a number of 0 or more, or leave it empty when unknown.</source>
        <translation>%1: &quot;%2&quot; no es una cantidad. Escriba un número igual o mayor que 0, o déjelo vacío si es desconocido.</translation>
    </message>
    <message>
        <source>The food could not be saved:
%1</source>
        <translation>No se ha podido guardar el alimento:
%1</translation>
    </message>
    <message>
        <source>The search term is too long</source>
        <translation>El término de búsqueda es demasiado largo</translation>
    </message>
    <message>
        <source>Please, enter the search term(s)</source>
        <translation>Escriba las palabras de búsqueda</translation>
    </message>
    <message>
        <source>Please, find the food and pick it in the list</source>
        <translation>Busque el alimento y elíjalo en la lista</translation>
    </message>
    <message>
        <source>Please, give the amount: a number above 0</source>
        <translation>Indique la cantidad: un número mayor que 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; contains this recipe: it cannot be one of its ingredients</source>
        <translation>&quot;%1&quot; contiene esta receta: no puede ser uno de sus ingredientes</translation>
    </message>
    <message>
        <source>Please, pick an ingredient in the list first</source>
        <translation>Elija primero un ingrediente en la lista</translation>
    </message>
    <message>
        <source>%1 (the ingredients&apos; sum)</source>
        <translation>%1 (suma de los ingredientes)</translation>
    </message>
    <message>
        <source>At least this: %1 of the ingredients do not tell it</source>
        <translation>Como mínimo esto: %1 de los ingredientes no lo indican</translation>
    </message>
    <message>
        <source>This database has no room for your own foods</source>
        <translation>Esta base de datos no admite alimentos propios</translation>
    </message>
    <message>
        <source>The food could not be read</source>
        <translation>No se ha podido leer el alimento</translation>
    </message>
</context>
<context>
    <name>Ficha</name>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>The values displayed below are for one hundred grams of an edible portion. </source>
        <translation>Los valores mostrados abajo son para cien gramos de porción comestible. </translation>
    </message>
    <message>
        <source>Nutrient</source>
        <translation>Nutriente</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Nutrients of the food</source>
        <translation>Nutrientes del alimento</translation>
    </message>
    <message>
        <source>Amount the values are for</source>
        <translation>Cantidad a la que se refieren los valores</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>incomplete: %1 of %2 ingredients unknown</source>
        <translation>incompleto: desconocido en %1 de %2 ingredientes</translation>
    </message>
    <message>
        <source>At least this much: %1</source>
        <translation>Como mínimo esto: %1</translation>
    </message>
    <message>
        <source>The values displayed below are for %1 of an edible portion. </source>
        <translation>Los valores mostrados abajo son para %1 de porción comestible. </translation>
    </message>
</context>
<context>
    <name>Intro</name>
    <message>
        <source>Version 1.1</source>
        <translation>Versión 1.1</translation>
    </message>
</context>
<context>
    <name>ModeloDRIs</name>
    <message>
        <source>total intake</source>
        <translation>ingesta total</translation>
    </message>
    <message>
        <source>retinol only</source>
        <translation>solo retinol</translation>
    </message>
    <message>
        <source>supplements only</source>
        <translation>solo suplementos</translation>
    </message>
    <message>
        <source>total intake (CDRR)</source>
        <translation>ingesta total (CDRR)</translation>
    </message>
    <message>
        <source>Delivered value: none</source>
        <translation>Valor original: ninguno</translation>
    </message>
    <message>
        <source>Delivered value: %1 %2</source>
        <translation>Valor original: %1 %2</translation>
    </message>
    <message>
        <source>Please, set the reference value as a number (or leave it empty)</source>
        <translation>Escriba el valor de referencia como un número (o déjelo vacío)</translation>
    </message>
</context>
<context>
    <name>ModeloIngestas</name>
    <message>
        <source> (your own food)</source>
        <translation> (alimento propio)</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>Intake</source>
        <translation>Ingesta</translation>
    </message>
    <message>
        <source>Please, set your weekly intake (grams, integer numbers only)</source>
        <translation>Escriba su ingesta semanal (gramos, solo números enteros)</translation>
    </message>
    <message>
        <source>An error occurred while saving intake</source>
        <translation>Se produjo un error al guardar la ingesta</translation>
    </message>
</context>
<context>
    <name>ModeloResultados</name>
    <message>
        <source>Nutrient</source>
        <translation>Nutriente</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Intake</source>
        <translation>Ingesta</translation>
    </message>
    <message>
        <source>% WRI</source>
        <translation>% IRS</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Límite superior</translation>
    </message>
    <message>
        <source>Judgement</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Average requirement (EAR): %1</source>
        <translation>Requerimiento medio estimado (EAR): %1</translation>
    </message>
    <message>
        <source>Edited by you; delivered value: %1</source>
        <translation>Modificado por usted; valor entregado: %1</translation>
    </message>
    <message>
        <source>average requirement %1</source>
        <translation>requerimiento medio %1</translation>
    </message>
    <message>
        <source>%1 % of the weekly recommended intake: %2</source>
        <translation>%1 % de la ingesta recomendada semanal: %2</translation>
    </message>
</context>
<context>
    <name>PestanaBusqueda</name>
    <message>
        <source>Step 1: Enter your search term(s) in the textbox below and click Find.</source>
        <translation>Paso 1: Escriba las palabras de búsqueda en el cuadro de texto de abajo y pulse Buscar.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Step 2: Click the category that best matches with the food sought.</source>
        <translation>Paso 2: Pulse la categoría que mejor corresponda al alimento buscado.</translation>
    </message>
    <message>
        <source>Step 3: Select the food you want to set your weekly intake to. Right click to display nutrients.</source>
        <translation>Paso 3: Seleccione el alimento cuya ingesta semanal quiere fijar. Pulse con el botón derecho para ver los nutrientes.</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>Step 4: Enter your weekly intake (grams, integer numbers) in the textbox below and click Save.</source>
        <translation>Paso 4: Escriba su ingesta semanal (gramos, números enteros) en el cuadro de texto de abajo y pulse Guardar.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Search words</source>
        <translation>Palabras de búsqueda</translation>
    </message>
    <message>
        <source>Food groups found</source>
        <translation>Grupos de alimentos encontrados</translation>
    </message>
    <message>
        <source>Foods of the group</source>
        <translation>Alimentos del grupo</translation>
    </message>
    <message>
        <source>Weekly intake in grams</source>
        <translation>Ingesta semanal en gramos</translation>
    </message>
    <message>
        <source>&amp;Display nutrients</source>
        <translation>&amp;Ver nutrientes</translation>
    </message>
    <message>
        <source>&amp;Copy to my foods...</source>
        <translation>&amp;Copiar a mis alimentos...</translation>
    </message>
    <message>
        <source>Please, enter the search term(s)</source>
        <translation>Escriba las palabras de búsqueda</translation>
    </message>
    <message>
        <source>The search term is too long</source>
        <translation>El término de búsqueda es demasiado largo</translation>
    </message>
    <message>
        <source>Please, select a food</source>
        <translation>Seleccione un alimento</translation>
    </message>
    <message>
        <source>Please, set your weekly intake (grams, integer numbers only)</source>
        <translation>Indique su ingesta semanal (gramos, solo números enteros)</translation>
    </message>
</context>
<context>
    <name>PestanaDRIs</name>
    <message>
        <source>Nutrient</source>
        <translation>Nutriente</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Infants 0 - 6 m</source>
        <translation>Lactantes 0 - 6 m</translation>
    </message>
    <message>
        <source>Infants 7 - 12 m</source>
        <translation>Lactantes 7 - 12 m</translation>
    </message>
    <message>
        <source>Children 1 - 3 y</source>
        <translation>Niños 1 - 3 a</translation>
    </message>
    <message>
        <source>Children 4 - 8 y</source>
        <translation>Niños 4 - 8 a</translation>
    </message>
    <message>
        <source>Males 9 - 13 y</source>
        <translation>Hombres 9 - 13 a</translation>
    </message>
    <message>
        <source>Males 14 - 18 y</source>
        <translation>Hombres 14 - 18 a</translation>
    </message>
    <message>
        <source>Males 19 - 30 y</source>
        <translation>Hombres 19 - 30 a</translation>
    </message>
    <message>
        <source>Males 31 - 50 y</source>
        <translation>Hombres 31 - 50 a</translation>
    </message>
    <message>
        <source>Males 51 - 70 y</source>
        <translation>Hombres 51 - 70 a</translation>
    </message>
    <message>
        <source>Males &gt; 70 y</source>
        <translation>Hombres &gt; 70 a</translation>
    </message>
    <message>
        <source>Females 9 - 13 y</source>
        <translation>Mujeres 9 - 13 a</translation>
    </message>
    <message>
        <source>Females 14 - 18 y</source>
        <translation>Mujeres 14 - 18 a</translation>
    </message>
    <message>
        <source>Females 19 - 30 y</source>
        <translation>Mujeres 19 - 30 a</translation>
    </message>
    <message>
        <source>Females 31 - 50 y</source>
        <translation>Mujeres 31 - 50 a</translation>
    </message>
    <message>
        <source>Females 51 - 70 y</source>
        <translation>Mujeres 51 - 70 a</translation>
    </message>
    <message>
        <source>Females &gt; 70 y</source>
        <translation>Mujeres &gt; 70 a</translation>
    </message>
    <message>
        <source>Applies to</source>
        <translation>Se aplica a</translation>
    </message>
    <message>
        <source>reference values</source>
        <translation>valores de referencia</translation>
    </message>
    <message>
        <source>upper limits</source>
        <translation>límites superiores</translation>
    </message>
    <message>
        <source>average requirements</source>
        <translation>requerimientos medios</translation>
    </message>
    <message>
        <source>An error occurred while saving the reference value</source>
        <translation>Se produjo un error al guardar el valor de referencia</translation>
    </message>
    <message>
        <source>Restore delivered value</source>
        <translation>Restaurar el valor original</translation>
    </message>
    <message>
        <source>Restore delivered values of this row</source>
        <translation>Restaurar los valores originales de esta fila</translation>
    </message>
    <message>
        <source>Restore all delivered values</source>
        <translation>Restaurar todos los valores originales</translation>
    </message>
    <message>
        <source>As there is no general agreement about exact values of the Dietary Reference Intakes (DRI), this utility allows you to reset them, just rewrite them and click the next or previous row.</source>
        <translation>Como no hay un acuerdo general sobre los valores exactos de las ingestas dietéticas de referencia (DRI), esta utilidad le permite cambiarlos: basta con reescribirlos y pulsar la fila siguiente o la anterior.</translation>
    </message>
    <message>
        <source>Important:</source>
        <translation>Importante:</translation>
    </message>
    <message>
        <source>Although this software works on weekly intakes, DRIs must be DAILY values.</source>
        <translation>Aunque este programa trabaja con ingestas semanales, las DRI deben ser valores DIARIOS.</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recomendados</translation>
    </message>
    <message>
        <source>Upper limits</source>
        <translation>Límites superiores</translation>
    </message>
    <message>
        <source>Average requirements</source>
        <translation>Requerimientos medios</translation>
    </message>
    <message>
        <source>Dietary reference intakes shown</source>
        <translation>Ingestas dietéticas de referencia mostradas</translation>
    </message>
    <message>
        <source>Upper limits: the most a day may bring (Tolerable Upper Intake Levels), in the units of the second column; empty where none is set. &quot;Applies to&quot; tells which intake a limit is compared with; sodium&apos;s is the intake above which to reduce it (CDRR).</source>
        <translation>Límites superiores: lo máximo que puede aportar un día (niveles máximos tolerables de ingesta), en las unidades de la segunda columna; vacío donde no hay ninguno fijado. «Se aplica a» indica con qué ingesta se compara cada límite; el del sodio es la ingesta a partir de la cual conviene reducirlo (CDRR).</translation>
    </message>
    <message>
        <source>Average requirements (EAR): the daily intake that meets the needs of half the healthy people of a group, in the units of the second column (protein in grams and amino acids in milligrams for each kilogram of body weight); empty where none is set. The judgement of tab 5 uses them with the recommended values.</source>
        <translation>Requerimientos medios (EAR): la ingesta diaria que cubre las necesidades de la mitad de las personas sanas de un grupo, en las unidades de la segunda columna (las proteínas en gramos y los aminoácidos en miligramos por cada kilogramo de peso corporal); vacío donde no hay ninguno fijado. La valoración de la pestaña 5 los usa junto con los valores recomendados.</translation>
    </message>
    <message>
        <source>Protein: Grams for each kilogram of body weight.</source>
        <translation>Proteínas: gramos por cada kilogramo de peso corporal.</translation>
    </message>
    <message>
        <source>Energy sources: The percentage these sources must comprise over the total amount of calories.</source>
        <translation>Fuentes de energía: el porcentaje que estas fuentes deben suponer sobre el total de calorías.</translation>
    </message>
    <message>
        <source>Amino acids: Miligrams for each kilogram of body weight.</source>
        <translation>Aminoácidos: miligramos por cada kilogramo de peso corporal.</translation>
    </message>
    <message>
        <source>Rest of nutrients: Refer to units displayed in the second column.</source>
        <translation>Resto de nutrientes: consulte las unidades que muestra la segunda columna.</translation>
    </message>
    <message>
        <source>This database file has no average requirements</source>
        <translation>Este archivo de base de datos no tiene requerimientos medios</translation>
    </message>
    <message>
        <source>The one value you changed is replaced by the delivered one.</source>
        <translation>El único valor que ha cambiado se sustituirá por el original.</translation>
    </message>
    <message>
        <source>The %1 values you changed are replaced by the delivered ones.</source>
        <translation>Los %1 valores que ha cambiado se sustituirán por los originales.</translation>
    </message>
    <message>
        <source>Restore all delivered %1? %2</source>
        <translation>¿Restaurar todos los %1 originales? %2</translation>
    </message>
</context>
<context>
    <name>PestanaIngestas</name>
    <message>
        <source>The following grid displays the weekly intakes you have already set.</source>
        <translation>La siguiente tabla muestra las ingestas semanales que ya ha fijado.</translation>
    </message>
    <message>
        <source>You can set new intakes, just rewrite them (remember they must be grams, integer numbers).     To remove a food, switch its intake to zero. Click any other row to commit changes.</source>
        <translation>Puede fijar nuevas ingestas: basta con reescribirlas (recuerde que deben ser gramos, en números enteros).     Para quitar un alimento, ponga su ingesta a cero. Pulse cualquier otra fila para confirmar los cambios.</translation>
    </message>
    <message>
        <source>Weekly intakes you have already set</source>
        <translation>Ingestas semanales que ya ha fijado</translation>
    </message>
</context>
<context>
    <name>PestanaPerfiles</name>
    <message>
        <source>The following list displays profiles already saved.</source>
        <translation>La siguiente lista muestra los perfiles ya guardados.</translation>
    </message>
    <message>
        <source>A profile stores information about saved food intakes and personal data. Select one of them and click the buttons on the right for managing. </source>
        <translation>Un perfil guarda las ingestas de alimentos y los datos personales. Seleccione uno y pulse los botones de la derecha para gestionarlo. </translation>
    </message>
    <message>
        <source>Profiles already saved</source>
        <translation>Perfiles ya guardados</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Back up data...</source>
        <translation>Copia de seguridad...</translation>
    </message>
    <message>
        <source>Restore data...</source>
        <translation>Restaurar datos...</translation>
    </message>
    <message>
        <source>Confirm saves in the status bar instead of a message box</source>
        <translation>Confirmar lo guardado en la barra de estado en lugar de en un cuadro de mensaje</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;acerca&quot;&gt;About Alimetra&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;acerca&quot;&gt;Acerca de Alimetra&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Alimetra</source>
        <translation>Acerca de Alimetra</translation>
    </message>
    <message>
        <source>Replace all your data with the %1 profile(s) and %2 intake(s) of %3, with its %4 edited reference value(s)?</source>
        <translation>¿Sustituir todos sus datos por los de %3: %1 perfil(es) y %2 ingesta(s), con sus %4 valor(es) de referencia modificado(s)?</translation>
    </message>
    <message>
        <source>
%1 food(s) of its intakes that the food table no longer has will be kept, marked withdrawn.</source>
        <translation>
Se conservarán, marcados como retirados, %1 alimento(s) de sus ingestas que la tabla de alimentos ya no tiene.</translation>
    </message>
    <message>
        <source>
Your %1 own food(s) and recipe(s) will be replaced by the file&apos;s %2.</source>
        <translation>
Sus %1 alimento(s) propio(s) y receta(s) se sustituirán por los %2 del archivo.</translation>
    </message>
    <message>
        <source>
%1 reference value(s) or upper limit(s) of the file differ from yours and will replace them.</source>
        <translation>
%1 valor(es) de referencia o límite(s) superior(es) del archivo difieren de los suyos y los sustituirán.</translation>
    </message>
    <message>
        <source>
%1 row(s) or value(s) of the file are not valid and will be left out.</source>
        <translation>
%1 fila(s) o valor(es) del archivo no son válidos y se omitirán.</translation>
    </message>
    <message>
        <source>Restore data</source>
        <translation>Restaurar datos</translation>
    </message>
    <message>
        <source>Databases (*.mdb)</source>
        <translation>Bases de datos (*.mdb)</translation>
    </message>
    <message>
        <source>Reading and checking %1...</source>
        <translation>Leyendo y comprobando %1...</translation>
    </message>
    <message>
        <source>The data were not restored:
%1</source>
        <translation>No se restauraron los datos:
%1</translation>
    </message>
    <message>
        <source>Data restored from %1: %2 profile(s), %3 intake(s), %4 edited reference value(s)%5</source>
        <translation>Datos restaurados desde %1: %2 perfil(es), %3 ingesta(s), %4 valor(es) de referencia modificado(s)%5</translation>
    </message>
    <message>
        <source>, %1 own food(s)</source>
        <translation>, %1 alimento(s) propio(s)</translation>
    </message>
    <message>
        <source>The data could not be restored from %1:
%2</source>
        <translation>No se pudieron restaurar los datos desde %1:
%2</translation>
    </message>
    <message>
        <source>Back up data</source>
        <translation>Copia de seguridad de los datos</translation>
    </message>
    <message>
        <source>Data backed up to %1</source>
        <translation>Copia de seguridad guardada en %1</translation>
    </message>
    <message>
        <source>The data could not be backed up to %1:
%2</source>
        <translation>No se pudo guardar la copia de seguridad en %1:
%2</translation>
    </message>
    <message>
        <source>Without name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Profile loaded</source>
        <translation>Perfil cargado</translation>
    </message>
    <message>
        <source>An error occurred while loading the profile selected</source>
        <translation>Se produjo un error al cargar el perfil seleccionado</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected profile?</source>
        <translation>¿Seguro que desea quitar el perfil seleccionado?</translation>
    </message>
    <message>
        <source>The profile you try to remove is currently running</source>
        <translation>El perfil que intenta quitar es el que está en uso</translation>
    </message>
    <message>
        <source>Profile removed</source>
        <translation>Perfil quitado</translation>
    </message>
    <message>
        <source>An error occurred while removing the profile selected</source>
        <translation>Se produjo un error al quitar el perfil seleccionado</translation>
    </message>
</context>
<context>
    <name>PestanaPropios</name>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Record here what the food table lacks: a packaged food from the values its label prints, or a dish you make from its ingredients, which gets its values from theirs. Tab 2 finds them under their group (&quot;My foods&quot; unless you choose another) and they count in your intakes as any food does.</source>
        <translation>Registre aquí lo que falta en la tabla de alimentos: un alimento envasado, con los valores que indica su etiqueta, o un plato que usted prepara con sus ingredientes, que toma de ellos sus valores. La pestaña 2 los encuentra en su grupo (&quot;My foods&quot; salvo que elija otro) y cuentan en sus ingestas como cualquier alimento.</translation>
    </message>
    <message>
        <source>This database has no room for foods of your own, so none can be recorded in it.</source>
        <translation>Esta base de datos no admite alimentos propios, así que no se puede registrar ninguno en ella.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Known nutrients</source>
        <translation>Nutrientes conocidos</translation>
    </message>
    <message>
        <source>Your own foods and recipes</source>
        <translation>Sus alimentos y recetas propios</translation>
    </message>
    <message>
        <source>New food...</source>
        <translation>Nuevo alimento...</translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation>Nueva receta...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Copiar...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Export my foods...</source>
        <translation>Exportar mis alimentos...</translation>
    </message>
    <message>
        <source>Import my foods...</source>
        <translation>Importar mis alimentos...</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Receta</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Please, select one of your foods in the list first</source>
        <translation>Seleccione primero uno de sus alimentos en la lista</translation>
    </message>
    <message>
        <source>The food could not be read</source>
        <translation>No se ha podido leer el alimento</translation>
    </message>
    <message>
        <source>Without name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>¿Quitar &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the intakes of %2. Remove it and those intakes?</source>
        <translation>&quot;%1&quot; está en las ingestas de %2. ¿Quitarlo junto con esas ingestas?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be removed</source>
        <translation>No se ha podido quitar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>1 food</source>
        <translation>1 alimento</translation>
    </message>
    <message>
        <source>%1 foods</source>
        <translation>%1 alimentos</translation>
    </message>
    <message>
        <source>You have no foods of your own to export</source>
        <translation>No tiene alimentos propios que exportar</translation>
    </message>
    <message>
        <source>Export my foods</source>
        <translation>Exportar mis alimentos</translation>
    </message>
    <message>
        <source>my-foods.csv</source>
        <translation>mis-alimentos.csv</translation>
    </message>
    <message>
        <source>%1 exported to %2</source>
        <translation>Exportación a %2 terminada: %1</translation>
    </message>
    <message>
        <source>Your foods could not be exported to %1:
%2</source>
        <translation>No se han podido exportar sus alimentos a %1:
%2</translation>
    </message>
    <message>
        <source>%1 of the file&apos;s %2 has the name of one of yours (%3). Skip them, replace yours with them, or keep both (the imported ones get a number after the name)?</source>
        <translation>En el archivo (%2), %1 tiene el nombre de uno de sus alimentos (%3). ¿Omitirlo, reemplazar el suyo por él o conservar ambos (el importado lleva un número tras el nombre)?</translation>
    </message>
    <message>
        <source>%1 of the file&apos;s %2 have the name of one of yours (%3). Skip them, replace yours with them, or keep both (the imported ones get a number after the name)?</source>
        <translation>En el archivo (%2), %1 tienen el nombre de alimentos suyos (%3). ¿Omitirlos, reemplazar los suyos por ellos o conservar ambos (los importados llevan un número tras el nombre)?</translation>
    </message>
    <message>
        <source>Import my foods</source>
        <translation>Importar mis alimentos</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>No se ha importado nada de %1:
%2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 new, %3 replaced, %4 skipped</source>
        <translation>Importación de %1 terminada. Nuevos: %2; reemplazados: %3; omitidos: %4</translation>
    </message>
</context>
<context>
    <name>PestanaRanking</name>
    <message>
        <source>This utility is complementary to the previous one. It displays for each food, the selected nutrient in one hundred grams of an edible portion. Foods without a known value (and those with 0) are not listed.</source>
        <translation>Esta herramienta complementa a la anterior. Muestra, para cada alimento, el nutriente seleccionado en cien gramos de porción comestible. No se listan los alimentos sin valor conocido (ni los que tienen 0).</translation>
    </message>
    <message>
        <source>Select a nutrient and click Sort. Once displayed, right click the items to set weekly intakes or to display all nutrients. You can reverse the order by clicking the columns&apos; headers.</source>
        <translation>Seleccione un nutriente y pulse Ordenar. Una vez mostrados, pulse con el botón derecho sobre los alimentos para fijar ingestas semanales o ver todos los nutrientes. Puede invertir el orden pulsando en los encabezados de las columnas.</translation>
    </message>
    <message>
        <source>Select a nutrient</source>
        <translation>Seleccione un nutriente</translation>
    </message>
    <message>
        <source>Filter by category</source>
        <translation>Filtrar por categoría</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Nutrient to sort by</source>
        <translation>Nutriente por el que ordenar</translation>
    </message>
    <message>
        <source>Food group</source>
        <translation>Grupo de alimentos</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>Foods sorted by the nutrient</source>
        <translation>Alimentos ordenados por el nutriente</translation>
    </message>
    <message>
        <source>&amp;Set weekly intake</source>
        <translation>&amp;Fijar ingesta semanal</translation>
    </message>
    <message>
        <source>&amp;Display all nutrients</source>
        <translation>&amp;Ver todos los nutrientes</translation>
    </message>
    <message>
        <source>&amp;Copy to my foods...</source>
        <translation>&amp;Copiar a mis alimentos...</translation>
    </message>
    <message>
        <source>Please, select a nutrient</source>
        <translation>Seleccione un nutriente</translation>
    </message>
</context>
<context>
    <name>PestanaResultados</name>
    <message>
        <source>Show sources</source>
        <translation>Mostrar fuentes</translation>
    </message>
    <message>
        <source>Show the results of a profile with its personal data first</source>
        <translation>Muestre primero los resultados de un perfil con sus datos personales</translation>
    </message>
    <message>
        <source>The following chart summons up your weekly nutrients&apos; intake (third column), displaying their ratio over recommended ones in the fourth column. You can sort them by clicking their headers. </source>
        <translation>La siguiente tabla resume la ingesta semanal de sus nutrientes (tercera columna) y muestra en la cuarta columna su proporción respecto a la recomendada. Puede ordenarlos pulsando en sus encabezados. </translation>
    </message>
    <message>
        <source>The fourth column is the REFERENCE that underlies your evaluation.</source>
        <translation>La cuarta columna es la REFERENCIA en la que se basa su evaluación.</translation>
    </message>
    <message>
        <source>Note: Recommended intakes of carbohydrates, sugars and fats are calculated by the percentage they comprise over the total amount of calories.</source>
        <translation>Nota: las ingestas recomendadas de hidratos de carbono, azúcares y grasas se calculan por el porcentaje que suponen sobre el total de calorías.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Save as HTML...</source>
        <translation>Guardar como HTML...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Results: nutrients, intake and judgement</source>
        <translation>Resultados: nutrientes, ingesta y valoración</translation>
    </message>
    <message>
        <source>The profile has no intakes to report yet</source>
        <translation>El perfil aún no tiene ingestas de las que informar</translation>
    </message>
    <message>
        <source>The profile&apos;s personal data are missing: fill in tab 1</source>
        <translation>Faltan los datos personales del perfil: rellene la pestaña 1</translation>
    </message>
    <message>
        <source>The report could not be made</source>
        <translation>No se pudo elaborar el informe</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>No se pudo guardar el informe en %1:
%2</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save as HTML</source>
        <translation>Guardar como HTML</translation>
    </message>
    <message>
        <source>HTML files (*.html *.htm)</source>
        <translation>Archivos HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Two CSV files, results and foods (*.csv)</source>
        <translation>Dos archivos CSV, resultados y alimentos (*.csv)</translation>
    </message>
    <message>
        <source>One CSV file with both tables (*.csv)</source>
        <translation>Un archivo CSV con ambas tablas (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
</context>
<context>
    <name>VentanaFuentes</name>
    <message>
        <source>Foods the nutrient comes from</source>
        <translation>Alimentos de los que procede el nutriente</translation>
    </message>
    <message>
        <source>Sources of %1</source>
        <translation>Fuentes de %1</translation>
    </message>
    <message>
        <source>The foods of the week that supply %1, by the energy they give with it, highest first:</source>
        <translation>Los alimentos de la semana que aportan %1, por la energía que dan con ello, de mayor a menor:</translation>
    </message>
    <message>
        <source>The foods of the week that supply %1, highest first:</source>
        <translation>Los alimentos de la semana que aportan %1, de mayor a menor:</translation>
    </message>
    <message>
        <source>Week&apos;s total: %1 %2</source>
        <translation>Total de la semana: %1 %2</translation>
    </message>
    <message>
        <source>%1 of these foods have no known value for %2 (&quot;unknown&quot;): the week may hold more of it than its total shows.</source>
        <translation>%1 de estos alimentos no tienen un valor conocido de %2 («desconocido»): la semana puede contener más de lo que muestra su total.</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>Weekly g</source>
        <translation>g a la semana</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Amount (%1)</source>
        <translation>Cantidad (%1)</translation>
    </message>
    <message>
        <source>Share %</source>
        <translation>% del total</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
</context>
<context>
    <name>VentanaPrincipal</name>
    <message>
        <source>Tabs</source>
        <translation>Pestañas</translation>
    </message>
    <message>
        <source>1: Personal data</source>
        <translation>1: Datos personales</translation>
    </message>
    <message>
        <source>2: Search food and set intake</source>
        <translation>2: Buscar alimento y fijar ingesta</translation>
    </message>
    <message>
        <source>3: Sort foods by nutrient and set intake</source>
        <translation>3: Ordenar alimentos por nutriente y fijar ingesta</translation>
    </message>
    <message>
        <source>4: Confirm food intakes</source>
        <translation>4: Confirmar ingestas</translation>
    </message>
    <message>
        <source>5: Display results</source>
        <translation>5: Ver resultados</translation>
    </message>
    <message>
        <source>6: Manage profiles</source>
        <translation>6: Gestionar perfiles</translation>
    </message>
    <message>
        <source>7: Set DRIs</source>
        <translation>7: Fijar DRI</translation>
    </message>
    <message>
        <source>8: My foods</source>
        <translation>8: Mis alimentos</translation>
    </message>
    <message>
        <source>Please, go to Personal Data and fulfill the form there displayed</source>
        <translation>Vaya a Datos personales y rellene el formulario que allí se muestra</translation>
    </message>
    <message>
        <source>2: Search food</source>
        <translation>2: Buscar alimento</translation>
    </message>
    <message>
        <source>3: Sort by nutrient</source>
        <translation>3: Por nutriente</translation>
    </message>
    <message>
        <source>4: Confirm intakes</source>
        <translation>4: Confirmar ingestas</translation>
    </message>
    <message>
        <source>5: Results</source>
        <translation>5: Resultados</translation>
    </message>
    <message>
        <source>6: Profiles</source>
        <translation>6: Perfiles</translation>
    </message>
</context>
<context>
    <name>acerca</name>
    <message>
        <source>Food descriptions and nutrient names come from the USDA table and stay in English.</source>
        <translation>Las descripciones de los alimentos y los nombres de los nutrientes proceden de la tabla del USDA y se muestran en inglés.</translation>
    </message>
    <message>
        <source>About Alimetra</source>
        <translation>Acerca de Alimetra</translation>
    </message>
</context>
<context>
    <name>adecuacion</name>
    <message>
        <source>Above the upper limit</source>
        <translation>Por encima del límite superior</translation>
    </message>
    <message>
        <source>Above the CDRR: reduce</source>
        <translation>Por encima de la CDRR: reducir</translation>
    </message>
    <message>
        <source>Likely inadequate</source>
        <translation>Probablemente inadecuada</translation>
    </message>
    <message>
        <source>Possibly inadequate</source>
        <translation>Posiblemente inadecuada</translation>
    </message>
    <message>
        <source>Likely adequate</source>
        <translation>Probablemente adecuada</translation>
    </message>
    <message>
        <source>Cannot be judged: below the adequate intake</source>
        <translation>No valorable: por debajo de la ingesta adecuada</translation>
    </message>
    <message>
        <source>No reference for this group</source>
        <translation>Sin referencia para este grupo</translation>
    </message>
</context>
<context>
    <name>almacen</name>
    <message>
        <source>Your data moved to the new food table: %1, %2, %3</source>
        <translation>Sus datos se han trasladado a la nueva tabla de alimentos: %1, %2, %3</translation>
    </message>
    <message>
        <source>profile</source>
        <translation>perfil</translation>
    </message>
    <message>
        <source>profiles</source>
        <translation>perfiles</translation>
    </message>
    <message>
        <source>intake</source>
        <translation>ingesta</translation>
    </message>
    <message>
        <source>intakes</source>
        <translation>ingestas</translation>
    </message>
    <message>
        <source>edited reference value</source>
        <translation>valor de referencia modificado</translation>
    </message>
    <message>
        <source>edited reference values</source>
        <translation>valores de referencia modificados</translation>
    </message>
    <message>
        <source>own food</source>
        <translation>alimento propio</translation>
    </message>
    <message>
        <source>own foods</source>
        <translation>alimentos propios</translation>
    </message>
    <message>
        <source> (%1 kept for your intakes, marked withdrawn)</source>
        <translation> (%1, conservado(s) para sus ingestas con la marca de retirado)</translation>
    </message>
    <message>
        <source>food the table no longer has</source>
        <translation>alimento que la tabla ya no tiene</translation>
    </message>
    <message>
        <source>foods the table no longer has</source>
        <translation>alimentos que la tabla ya no tiene</translation>
    </message>
    <message>
        <source>The file could not be written whole</source>
        <translation>No se pudo escribir el archivo completo</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>No se encontró %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>The database is not open: it was closed</source>
        <translation>La base de datos no está abierta: se cerró</translation>
    </message>
    <message>
        <source>The database is not open: %1</source>
        <translation>La base de datos no está abierta: %1</translation>
    </message>
    <message>
        <source>The database file &quot;%1&quot; was not found in %2</source>
        <translation>No se encontró el archivo de base de datos «%1» en %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a database file</source>
        <translation>«%1» no es un archivo de base de datos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable database: %2</source>
        <translation>«%1» no es una base de datos utilizable: %2</translation>
    </message>
    <message>
        <source>No database: %1 is in use by another program</source>
        <translation>Sin base de datos: otro programa está usando %1</translation>
    </message>
    <message>
        <source>No database: %1 is not a database</source>
        <translation>Sin base de datos: %1 no es una base de datos</translation>
    </message>
    <message>
        <source>No database: %1 was not found in %2</source>
        <translation>Sin base de datos: no se encontró %1 en %2</translation>
    </message>
    <message>
        <source>No database: %1 cannot be written</source>
        <translation>Sin base de datos: no se puede escribir en %1</translation>
    </message>
    <message>
        <source>No database: %1 cannot be opened</source>
        <translation>Sin base de datos: no se puede abrir %1</translation>
    </message>
    <message>
        <source>The database is read-only</source>
        <translation>La base de datos es de solo lectura</translation>
    </message>
    <message>
        <source>The database is in use by another program</source>
        <translation>Otro programa está usando la base de datos</translation>
    </message>
    <message>
        <source>The disk holding the database is full</source>
        <translation>El disco que contiene la base de datos está lleno</translation>
    </message>
    <message>
        <source>%1 is the working database: choose another file</source>
        <translation>%1 es la base de datos de trabajo: elija otro archivo</translation>
    </message>
    <message>
        <source>a change to it was never finished (its journal %1 lies beside it)</source>
        <translation>un cambio en él no llegó a terminarse (su diario %1 está a su lado)</translation>
    </message>
    <message>
        <source>it is not an intact database</source>
        <translation>no es una base de datos íntegra</translation>
    </message>
    <message>
        <source>it has no column %1 in table %2</source>
        <translation>no tiene la columna %1 en la tabla %2</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>no tiene la tabla %1</translation>
    </message>
    <message>
        <source>%1 is the working database</source>
        <translation>%1 es la base de datos de trabajo</translation>
    </message>
    <message>
        <source>%1 is not a database of Alimetra: %2</source>
        <translation>%1 no es una base de datos de Alimetra: %2</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Carpeta de datos: %1</translation>
    </message>
    <message>
        <source>Food table: no database in the data folder yet</source>
        <translation>Tabla de alimentos: aún no hay base de datos en la carpeta de datos</translation>
    </message>
    <message>
        <source>Food table: from an earlier release (database version 0)</source>
        <translation>Tabla de alimentos: de una versión anterior (versión de la base de datos 0)</translation>
    </message>
    <message>
        <source>Food table: %1 (database version %2)</source>
        <translation>Tabla de alimentos: %1 (versión de la base de datos %2)</translation>
    </message>
    <message>
        <source>Reference values: %1</source>
        <translation>Valores de referencia: %1</translation>
    </message>
</context>
<context>
    <name>controles</name>
    <message>
        <source>General</source>
        <translation>Generales</translation>
    </message>
    <message>
        <source>Amino acids</source>
        <translation>Aminoácidos</translation>
    </message>
    <message>
        <source>Vitamins</source>
        <translation>Vitaminas</translation>
    </message>
    <message>
        <source>Minerals</source>
        <translation>Minerales</translation>
    </message>
    <message>
        <source> (your own food)</source>
        <translation> (alimento propio)</translation>
    </message>
    <message>
        <source>Your own food</source>
        <translation>Alimento propio</translation>
    </message>
</context>
<context>
    <name>informe</name>
    <message>
        <source>retinol</source>
        <translation>retinol</translation>
    </message>
    <message>
        <source>CDRR</source>
        <translation>CDRR</translation>
    </message>
    <message>
        <source>supplements only</source>
        <translation>solo suplementos</translation>
    </message>
    <message>
        <source>male</source>
        <translation>hombre</translation>
    </message>
    <message>
        <source>female</source>
        <translation>mujer</translation>
    </message>
    <message>
        <source>Within 90 - 110 % of the reference</source>
        <translation>Dentro del 90 - 110 % de la referencia</translation>
    </message>
    <message>
        <source>Below 90 % of the reference</source>
        <translation>Por debajo del 90 % de la referencia</translation>
    </message>
    <message>
        <source>Above 110 % of the reference</source>
        <translation>Por encima del 110 % de la referencia</translation>
    </message>
    <message>
        <source>Within its range</source>
        <translation>Dentro de su intervalo</translation>
    </message>
    <message>
        <source>Below its range</source>
        <translation>Por debajo de su intervalo</translation>
    </message>
    <message>
        <source>Above its range</source>
        <translation>Por encima de su intervalo</translation>
    </message>
    <message>
        <source>No range for this age group</source>
        <translation>Sin intervalo para este grupo de edad</translation>
    </message>
    <message>
        <source>Above its ceiling</source>
        <translation>Por encima de su tope</translation>
    </message>
    <message>
        <source>Within its ceiling</source>
        <translation>Dentro de su tope</translation>
    </message>
    <message>
        <source>No verdict: total sugars</source>
        <translation>Sin valoración: azúcares totales</translation>
    </message>
    <message>
        <source>1 food unknown</source>
        <translation>1 alimento desconocido</translation>
    </message>
    <message>
        <source>%1 foods unknown</source>
        <translation>%1 alimentos desconocidos</translation>
    </message>
    <message>
        <source>Below the average requirement (EAR): the intake likely falls short of the person&apos;s need</source>
        <translation>Por debajo del requerimiento medio estimado (EAR): probablemente la ingesta no cubre la necesidad de la persona</translation>
    </message>
    <message>
        <source>From the average requirement (EAR) to below the RDA: the intake may fall short of the person&apos;s need</source>
        <translation>Desde el requerimiento medio estimado (EAR) hasta por debajo del aporte dietético recomendado (RDA): puede que la ingesta no cubra la necesidad de la persona</translation>
    </message>
    <message>
        <source>Below the adequate intake (AI): an AI is not a requirement, so an intake below it cannot be called inadequate</source>
        <translation>Por debajo de la ingesta adecuada (AI): una AI no es un requerimiento, así que una ingesta inferior no puede calificarse de inadecuada</translation>
    </message>
    <message>
        <source>At or above the RDA</source>
        <translation>En el aporte dietético recomendado (RDA) o por encima</translation>
    </message>
    <message>
        <source>At or above the adequate intake (AI)</source>
        <translation>En la ingesta adecuada (AI) o por encima</translation>
    </message>
    <message>
        <source>Chance that this usual intake meets the person&apos;s need: %1</source>
        <translation>Probabilidad de que esta ingesta habitual cubra la necesidad de la persona: %1</translation>
    </message>
    <message>
        <source>No chance is given: the requirement for iron is skewed (children, women who menstruate), so only the band is shown</source>
        <translation>No se da probabilidad: el requerimiento de hierro es asimétrico (niños, mujeres que menstrúan), así que solo se muestra la franja</translation>
    </message>
    <message>
        <source>Within the CDRR</source>
        <translation>Dentro de la CDRR</translation>
    </message>
    <message>
        <source>Within the upper limit</source>
        <translation>Dentro del límite superior</translation>
    </message>
    <message>
        <source>Energy is judged by 90 - 110 % of the reference</source>
        <translation>La energía se valora según el 90 - 110 % de la referencia</translation>
    </message>
    <message>
        <source>Judged by the share of the energy this source should give</source>
        <translation>Valorado según la parte de la energía que esta fuente debería aportar</translation>
    </message>
    <message>
        <source>No range of the energy this source should give is set for this age group: the reference is shown, not judged by</source>
        <translation>Para este grupo de edad no se fija un intervalo de la energía que esta fuente debería aportar: se muestra la referencia, sin valorar según ella</translation>
    </message>
    <message>
        <source>Judged by the ceiling the reference sets on its share of the energy</source>
        <translation>Valorado según el tope que la referencia fija a su parte de la energía</translation>
    </message>
    <message>
        <source>Above the CDRR: the intake above which to reduce it</source>
        <translation>Por encima de la CDRR: la ingesta a partir de la cual conviene reducirla</translation>
    </message>
    <message>
        <source>Above the upper limit: a risk of adverse effects</source>
        <translation>Por encima del límite superior: riesgo de efectos adversos</translation>
    </message>
    <message>
        <source>No verdict: the reference is the guidance for added sugars, and the food table holds only total sugars (those of milk and fruit included)</source>
        <translation>Sin valoración: la referencia es la recomendación para los azúcares añadidos, y la tabla de alimentos solo contiene azúcares totales (incluidos los de la leche y la fruta)</translation>
    </message>
    <message>
        <source>No reference for this group</source>
        <translation>Sin referencia para este grupo</translation>
    </message>
    <message>
        <source>within the CDRR</source>
        <translation>dentro de la CDRR</translation>
    </message>
    <message>
        <source>within the upper limit</source>
        <translation>dentro del límite superior</translation>
    </message>
    <message>
        <source>(share of the energy: %1 %)</source>
        <translation>(parte de la energía: %1 %)</translation>
    </message>
    <message>
        <source>%1 (or outside its range)</source>
        <translation>%1 (o fuera de su intervalo)</translation>
    </message>
    <message>
        <source>%1 (or within its range)</source>
        <translation>%1 (o dentro de su intervalo)</translation>
    </message>
    <message>
        <source>%1 (or a ceiling)</source>
        <translation>%1 (o de un tope)</translation>
    </message>
    <message>
        <source>The week is taken as the usual intake; the percentage after the words is the chance that it meets the person&apos;s need. &quot;?&quot;: foods of unknown value make 10 % of the week&apos;s grams or more. &quot;% WRI&quot;: percentage of the weekly recommended intake = 7 x the daily reference.</source>
        <translation>La semana se toma como la ingesta habitual; el porcentaje tras las palabras es la probabilidad de que cubra la necesidad de la persona. «?»: los alimentos de valor desconocido suponen el 10 % de los gramos de la semana o más. «% IRS»: porcentaje de la ingesta recomendada semanal = 7 x la referencia diaria.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>1 food</source>
        <translation>1 alimento</translation>
    </message>
    <message>
        <source>%1 foods</source>
        <translation>%1 alimentos</translation>
    </message>
    <message>
        <source>Nutrient</source>
        <translation>Nutriente</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ud.</translation>
    </message>
    <message>
        <source>Intake</source>
        <translation>Ingesta</translation>
    </message>
    <message>
        <source>% WRI</source>
        <translation>% IRS</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Límite superior</translation>
    </message>
    <message>
        <source>Judgement</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Unknown in</source>
        <translation>Sin dato en</translation>
    </message>
    <message>
        <source>(own food)</source>
        <translation>(alimento propio)</translation>
    </message>
    <message>
        <source>(own recipe)</source>
        <translation>(receta propia)</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimento</translation>
    </message>
    <message>
        <source>Grams a week</source>
        <translation>Gramos a la semana</translation>
    </message>
    <message>
        <source>Grams a day</source>
        <translation>Gramos al día</translation>
    </message>
    <message>
        <source>Alimetra 1.1 - weekly diet assessment</source>
        <translation>Alimetra 1.1 - evaluación semanal de la dieta</translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <translation>Perfil: %1</translation>
    </message>
    <message>
        <source>Age group: %1</source>
        <translation>Grupo de edad: %1</translation>
    </message>
    <message>
        <source>Sex: %1</source>
        <translation>Sexo: %1</translation>
    </message>
    <message>
        <source>Weight: %1 kg</source>
        <translation>Peso: %1 kg</translation>
    </message>
    <message>
        <source>The bar is full at 150 % of the reference; the mark stands at 100 %.</source>
        <translation>La barra se llena al 150 % de la referencia; la marca está en el 100 %.</translation>
    </message>
    <message>
        <source>Protein %1 %</source>
        <translation>Proteínas %1 %</translation>
    </message>
    <message>
        <source>(reference %1 %)</source>
        <translation>(referencia %1 %)</translation>
    </message>
    <message>
        <source>Share of the week&apos;s energy: %1.</source>
        <translation>Reparto de la energía de la semana: %1.</translation>
    </message>
    <message>
        <source>* Edited by you, not the delivered value</source>
        <translation>* Modificado por usted, no es el valor entregado</translation>
    </message>
    <message>
        <source>? Provisional: foods without a known value of the nutrient make up 10 % or more of the week&apos;s grams</source>
        <translation>? Provisional: los alimentos sin un valor conocido del nutriente suponen el 10 % o más de los gramos de la semana</translation>
    </message>
    <message>
        <source>%1 %2 g a week</source>
        <translation>%1 %2 g a la semana</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1 of unknown value: %2</source>
        <translation>%1 de valor desconocido: %2</translation>
    </message>
    <message>
        <source>They weigh %1 % of the week&apos;s grams: the judgement is provisional.</source>
        <translation>Suponen el %1 % de los gramos de la semana: la valoración es provisional.</translation>
    </message>
    <message>
        <source>Food composition: USDA National Nutrient Database for Standard Reference, release 24. Reference values: Dietary Reference Intakes (Food and Nutrition Board).</source>
        <translation>Composición de los alimentos: USDA National Nutrient Database for Standard Reference, versión 24. Valores de referencia: Dietary Reference Intakes (Food and Nutrition Board).</translation>
    </message>
    <message>
        <source>This report is not medical advice: talk about your diet with a physician or a dietitian.</source>
        <translation>Este informe no es consejo médico: hable de su dieta con un médico o un dietista.</translation>
    </message>
    <message>
        <source>Energy sources</source>
        <translation>Fuentes de energía</translation>
    </message>
    <message>
        <source>Share of the energy from protein, carbohydrate and fat</source>
        <translation>Parte de la energía procedente de proteínas, hidratos de carbono y grasas</translation>
    </message>
    <message>
        <source>Foods of the week</source>
        <translation>Alimentos de la semana</translation>
    </message>
    <message>
        <source>Protein</source>
        <translation>Proteínas</translation>
    </message>
    <message>
        <source>Carbohydrate</source>
        <translation>Hidratos de carbono</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Grasas</translation>
    </message>
    <message>
        <source>Hatched: sugars, part of the carbohydrate; saturated fat, part of the fat.</source>
        <translation>Rayado: azúcares, parte de los hidratos de carbono; grasas saturadas, parte de las grasas.</translation>
    </message>
    <message>
        <source>Alimetra 1.1 - weekly diet assessment: %1</source>
        <translation>Alimetra 1.1 - evaluación semanal de la dieta: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>ingesta</name>
    <message>
        <source>Sorry, no matches were found.</source>
        <translation>No se ha encontrado ninguna coincidencia.</translation>
    </message>
    <message>
        <source>An error occured while saving intake</source>
        <translation>Se ha producido un error al guardar la ingesta</translation>
    </message>
    <message>
        <source>Intake saved</source>
        <translation>Ingesta guardada</translation>
    </message>
</context>
<context>
    <name>intercambio</name>
    <message>
        <source>line %1: text after a closing quote</source>
        <translation>línea %1: texto tras unas comillas de cierre</translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation>línea %1: unas comillas no se cierran nunca</translation>
    </message>
    <message>
        <source>it has %1 fields where the first line has %2</source>
        <translation>tiene %1 campos donde la primera línea tiene %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a food of an earlier line</source>
        <translation>&quot;%1&quot; no es un alimento de una línea anterior</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of line of this file (food, recipe, measure, ingredient)</source>
        <translation>&quot;%1&quot; no es un tipo de línea de este archivo (food, recipe, measure, ingredient)</translation>
    </message>
    <message>
        <source>a name of 1 to %1 characters is needed</source>
        <translation>hace falta un nombre de 1 a %1 caracteres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the file twice</source>
        <translation>&quot;%1&quot; está dos veces en el archivo</translation>
    </message>
    <message>
        <source>%1 is not a number of 0 or more</source>
        <translation>%1 no es un número igual o mayor que 0</translation>
    </message>
    <message>
        <source>the cooked weight is not a number above 0</source>
        <translation>el peso cocinado no es un número mayor que 0</translation>
    </message>
    <message>
        <source>the servings are not a whole number from 1 to 999</source>
        <translation>las raciones no son un número entero de 1 a 999</translation>
    </message>
    <message>
        <source>a measure needs a name and its grams above 0</source>
        <translation>una medida necesita un nombre y sus gramos, mayores que 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a food, not a recipe</source>
        <translation>&quot;%1&quot; es un alimento, no una receta</translation>
    </message>
    <message>
        <source>the grams of the ingredient are not a number above 0</source>
        <translation>los gramos del ingrediente no son un número mayor que 0</translation>
    </message>
    <message>
        <source>food number %1 is not in the food table</source>
        <translation>el alimento número %1 no está en la tabla de alimentos</translation>
    </message>
    <message>
        <source>the ingredient has neither a name nor a number</source>
        <translation>el ingrediente no tiene ni nombre ni número</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the recipe &quot;%1&quot; has no ingredients</source>
        <translation>la receta &quot;%1&quot; no tiene ingredientes</translation>
    </message>
    <message>
        <source>no food called &quot;%1&quot; in the file or among your foods</source>
        <translation>no hay ningún alimento llamado &quot;%1&quot; en el archivo ni entre sus alimentos</translation>
    </message>
    <message>
        <source>%1 is not a file of own foods: %2</source>
        <translation>%1 no es un archivo de alimentos propios: %2</translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>line 1: its first line must start with %1</source>
        <translation>línea 1: su primera línea debe empezar por %1</translation>
    </message>
    <message>
        <source>the recipe &quot;%1&quot; contains itself through its ingredients</source>
        <translation>la receta &quot;%1&quot; se contiene a sí misma a través de sus ingredientes</translation>
    </message>
    <message>
        <source>the recipe &quot;%1&quot; would contain itself</source>
        <translation>la receta &quot;%1&quot; se contendría a sí misma</translation>
    </message>
    <message>
        <source>the database refused &quot;%1&quot; (see errors.log)</source>
        <translation>la base de datos ha rechazado &quot;%1&quot; (vea errors.log)</translation>
    </message>
    <message>
        <source>The database has no tables for own foods</source>
        <translation>La base de datos no tiene tablas para alimentos propios</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Assesses a diet against the dietary reference intakes. Works on sr18.mdb
in the working directory and logs failures to errors.log there.</source>
        <translation>Valora una dieta frente a las ingestas dietéticas de referencia. Trabaja con sr18.mdb
en el directorio de trabajo y anota los fallos en errors.log, en ese mismo directorio.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>The database this release delivers: an older sr18.mdb is upgraded from it, keeping your data.</source>
        <translation>La base de datos que trae esta versión: un sr18.mdb anterior se actualiza a partir de ella, conservando sus datos.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>The data folder --version names (default: the working directory).</source>
        <translation>La carpeta de datos que indica --version (predeterminada: el directorio de trabajo).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>The look: system (the desktop&apos;s), dark or high-contrast; remembered for the next starts.</source>
        <translation>El aspecto: system (el del escritorio), dark (oscuro) o high-contrast (alto contraste); se recuerda en los siguientes inicios.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Unknown theme &quot;%1&quot;: use system, dark or high-contrast.</source>
        <translation>Tema desconocido «%1»: use system, dark o high-contrast.</translation>
    </message>
    <message>
        <source>Your data could not be moved to the new food table (see errors.log); they stay as they were</source>
        <translation>Sus datos no se pudieron trasladar a la nueva tabla de alimentos (consulte errors.log); se mantienen como estaban</translation>
    </message>
    <message>
        <source>Alimetra is already running on the data in %1, but it does not answer. Close it and start again.</source>
        <translation>Alimetra ya se está ejecutando con los datos de %1, pero no responde. Ciérrelo y vuelva a iniciarlo.</translation>
    </message>
</context>
<context>
    <name>medidas</name>
    <message>
        <source>%1 g a week = about %2 g a day</source>
        <translation>%1 g a la semana = unos %2 g al día</translation>
    </message>
    <message>
        <source>%1 g a week = about %2 %3 a day</source>
        <translation>%1 g a la semana = unos %2 %3 al día</translation>
    </message>
</context>
<context>
    <name>perfiles</name>
    <message>
        <source>0 - 6 months</source>
        <translation>0 - 6 meses</translation>
    </message>
    <message>
        <source>7 - 12 months</source>
        <translation>7 - 12 meses</translation>
    </message>
    <message>
        <source>1 - 3 years</source>
        <translation>1 - 3 años</translation>
    </message>
    <message>
        <source>4 - 8 years</source>
        <translation>4 - 8 años</translation>
    </message>
    <message>
        <source>9 - 13 years</source>
        <translation>9 - 13 años</translation>
    </message>
    <message>
        <source>14 - 18 years</source>
        <translation>14 - 18 años</translation>
    </message>
    <message>
        <source>19 - 30 years</source>
        <translation>19 - 30 años</translation>
    </message>
    <message>
        <source>31 - 50 years</source>
        <translation>31 - 50 años</translation>
    </message>
    <message>
        <source>51 - 70 years</source>
        <translation>51 - 70 años</translation>
    </message>
    <message>
        <source>&gt; 70 years</source>
        <translation>&gt; 70 años</translation>
    </message>
    <message>
        <source>No current profile</source>
        <translation>Sin perfil actual</translation>
    </message>
    <message>
        <source>Profile: %1 - personal data not set yet</source>
        <translation>Perfil: %1 - aún sin datos personales</translation>
    </message>
    <message>
        <source>Profile: %1 - %2, %3, %4 kg</source>
        <translation>Perfil: %1 - %2, %3, %4 kg</translation>
    </message>
    <message>
        <source>male</source>
        <translation>hombre</translation>
    </message>
    <message>
        <source>female</source>
        <translation>mujer</translation>
    </message>
</context>
<context>
    <name>propios</name>
    <message>
        <source>A value cannot be below 0</source>
        <translation>Un valor no puede ser menor que 0</translation>
    </message>
    <message>
        <source>Protein, fat and carbohydrate (with water and ash) come to %1 g in 100 g of the food: at most 100 g</source>
        <translation>Proteínas, grasas e hidratos de carbono (con agua y cenizas) suman %1 g en 100 g del alimento: como máximo, 100 g</translation>
    </message>
    <message>
        <source>Energy: %1 kcal in 100 g is more than any food has (pure fat has 900 kcal)</source>
        <translation>Energía: %1 kcal en 100 g es más de lo que tiene cualquier alimento (la grasa pura tiene 900 kcal)</translation>
    </message>
    <message>
        <source>Energy is %1 kcal in 100 g, but protein, fat and carbohydrate give about %2 kcal (4, 9 and 4 kcal per g). Keep %1 kcal?</source>
        <translation>La energía es de %1 kcal en 100 g, pero las proteínas, grasas e hidratos de carbono dan unas %2 kcal (4, 9 y 4 kcal por g). ¿Mantener %1 kcal?</translation>
    </message>
    <message>
        <source>Please, give the food a name</source>
        <translation>Dé un nombre al alimento</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters</source>
        <translation>El nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>You already have a food called &quot;%1&quot;</source>
        <translation>Ya tiene un alimento llamado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Please, give every measure a name</source>
        <translation>Dé un nombre a cada medida</translation>
    </message>
    <message>
        <source>Measure &quot;%1&quot;: give its weight in grams, above 0 and at most %2</source>
        <translation>Medida &quot;%1&quot;: indique su peso en gramos, mayor que 0 y como máximo %2</translation>
    </message>
    <message>
        <source>A recipe needs at least one ingredient</source>
        <translation>Una receta necesita al menos un ingrediente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the food table any more</source>
        <translation>&quot;%1&quot; ya no está en la tabla de alimentos</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: give the amount in grams, above 0</source>
        <translation>&quot;%1&quot;: indique la cantidad en gramos, mayor que 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; contains this recipe: it cannot be one of its ingredients</source>
        <translation>&quot;%1&quot; contiene esta receta: no puede ser uno de sus ingredientes</translation>
    </message>
    <message>
        <source>The weight of the dish must be above 0 g</source>
        <translation>El peso del plato debe ser mayor que 0 g</translation>
    </message>
    <message>
        <source>The number of servings goes from 1 to 999</source>
        <translation>El número de raciones va de 1 a 999</translation>
    </message>
    <message>
        <source>Please, choose a food group</source>
        <translation>Elija un grupo de alimentos</translation>
    </message>
    <message>
        <source> (copy)</source>
        <translation> (copia)</translation>
    </message>
    <message>
        <source>The database has no tables for own foods</source>
        <translation>La base de datos no tiene tablas para alimentos propios</translation>
    </message>
    <message>
        <source>The database refused the food (see errors.log)</source>
        <translation>La base de datos ha rechazado el alimento (vea errors.log)</translation>
    </message>
    <message>
        <source>It is an ingredient of %1. Take it out of those recipes first.</source>
        <translation>Es ingrediente de %1. Quítelo antes de esas recetas.</translation>
    </message>
    <message>
        <source>Own food</source>
        <translation>Alimento propio</translation>
    </message>
    <message>
        <source>Recipe: %1 ingredient, %2 g</source>
        <translation>Receta: %1 ingrediente, %2 g</translation>
    </message>
    <message>
        <source>Recipe: %1 ingredients, %2 g</source>
        <translation>Receta: %1 ingredientes, %2 g</translation>
    </message>
</context>
</TS>
