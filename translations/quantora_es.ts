<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Caption</name>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation>Energía de activación</translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation>Energía específica</translation>
    </message>
    <message>
        <source>Energy Work Heat</source>
        <translation>Energía, trabajo, calor</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Par de
torsión</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Esfuerzo</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Tensión super­ficial</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Caudal másico</translation>
    </message>
    <message>
        <source>Volume FlowRate</source>
        <translation>Caudal volu-
métrico</translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation>Volumen de gas ideal</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation>Visco-
sidad
dinámica</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Visco-
sidad
cinemática</translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation>Densidad de flujo térmico</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentración</translation>
    </message>
    <message>
        <source> Molar Concentration</source>
        <translation>Concen-
tración
molar</translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation>Constante de los gases ideales</translation>
    </message>
    <message>
        <source>Arrhenius Constant</source>
        <translation>Constante de Arrhenius</translation>
    </message>
    <message>
        <source>Calorific Value</source>
        <translation>Poder calorífico</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Capacidad calorífica específica</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Conductividad térmica</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficien</source>
        <translation>Coeficiente de trans­ferencia de calor</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Entalpía</translation>
    </message>
</context>
<context>
    <name>ConstantsSheet</name>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Standard temperature and pressure (stp)</source>
        <translation>Temperatura y presión normales</translation>
    </message>
    <message>
        <source>C and 1.013 bar</source>
        <comment>after a raised o: 0 degrees C</comment>
        <translation>C y 1.013 bar</translation>
    </message>
    <message>
        <source>Molecular volume of ideal gas at stp</source>
        <translation>Volumen molar del gas ideal</translation>
    </message>
    <message>
        <source>= 22.4 liters/mol</source>
        <translation>= 22.4 litros/mol</translation>
    </message>
    <message>
        <source>Universal Gas constant, R</source>
        <translation>Constante de los gases ideales, R</translation>
    </message>
    <message>
        <source>Avogadro’s number, N</source>
        <comment>a lowered A follows</comment>
        <translation>Constante de Avogadro, N</translation>
    </message>
    <message>
        <source>Boltzmann constant, k</source>
        <translation>Constante de Boltzmann, k</translation>
    </message>
    <message>
        <source>Faraday constant, F</source>
        <translation>Constante de Faraday, F</translation>
    </message>
    <message>
        <source>Plank constant, h</source>
        <translation>Constante de Planck, h</translation>
    </message>
    <message>
        <source>Acceleration of gravity, g</source>
        <translation>Aceleración de la gravedad, g</translation>
    </message>
    <message>
        <source>Conversion factor, g</source>
        <comment>a lowered c follows</comment>
        <translation>Factor de conversión, g</translation>
    </message>
    <message>
        <source>Gravitational constant, G</source>
        <translation>Constante de gravitación, G</translation>
    </message>
    <message>
        <source>= 273.15K and 1.013 x 10</source>
        <comment>a raised 5 follows</comment>
        <translation>= 273.15 K y 1.013 x 10</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Basic Conversion</source>
        <translation>Magnitudes usuales</translation>
    </message>
    <message>
        <source>Flow/Volume/Density Related</source>
        <translation>Caudal, volumen, densidad</translation>
    </message>
    <message>
        <source>Energy/Power Related</source>
        <translation>Energía y potencia</translation>
    </message>
    <message>
        <source>Heat Related</source>
        <translation>Calor</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Water at 4&apos;C   and Mercury at 0&apos;C</source>
        <translation>Agua a 4 °C y mercurio a 0 °C</translation>
    </message>
    <message>
        <source>The kgf is sometimes known as kilopond (kp) </source>
        <translation>El kgf también se llama kilopondio (kp)</translation>
    </message>
    <message>
        <source>Year taken as 365 days </source>
        <translation>Año de 365 días</translation>
    </message>
    <message>
        <source>Based on 1901  definition of the litre</source>
        <translation>Según la definición del litro de 1901</translation>
    </message>
</context>
<context>
    <name>Quantity</name>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation>Energía de activación</translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation>Energía específica</translation>
    </message>
    <message>
        <source>Energy, Work, Heat</source>
        <translation>Energía, trabajo, calor</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Par de torsión</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Esfuerzo</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Tensión superficial</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Caudal másico</translation>
    </message>
    <message>
        <source>Volume Flow Rate</source>
        <translation>Caudal volumétrico</translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation>Volumen de gas ideal</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation>Viscosidad dinámica</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Viscosidad cinemática</translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation>Densidad de flujo térmico</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentración</translation>
    </message>
    <message>
        <source>Molar Concentration</source>
        <translation>Concentración molar</translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation>Constante de los gases ideales</translation>
    </message>
    <message>
        <source>Arrhenius Constant</source>
        <translation>Constante de Arrhenius</translation>
    </message>
    <message>
        <source>Calorific Value</source>
        <translation>Poder calorífico</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Capacidad calorífica específica</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Conductividad térmica</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient</source>
        <translation>Coeficiente de transferencia de calor</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Entalpía</translation>
    </message>
</context>
<context>
    <name>ResultAnnouncer</name>
    <message>
        <source>result %1</source>
        <translation>resultado %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a change, then the result it gives</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>Copiado: %1</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is larger than a settings file of Quantora</source>
        <translation>%1 es más grande que un archivo de configuración de Quantora</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 está bloqueado por otro programa (%2)</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Length </source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>Volume </source>
        <translation>volumen</translation>
    </message>
    <message>
        <source>Mass </source>
        <translation>masa</translation>
    </message>
    <message>
        <source>Pressure </source>
        <translation>presión</translation>
    </message>
    <message>
        <source>Temperature </source>
        <translation>temperatura</translation>
    </message>
    <message>
        <source>Area </source>
        <translation>área</translation>
    </message>
    <message>
        <source>Velocity </source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>Activation Energy </source>
        <translation>energía de activación</translation>
    </message>
    <message>
        <source>Specific Energy </source>
        <translation>energía específica</translation>
    </message>
    <message>
        <source>Energy, Work, Heat </source>
        <translation>energía, trabajo, calor</translation>
    </message>
    <message>
        <source>Power </source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>Force </source>
        <translation>fuerza</translation>
    </message>
    <message>
        <source>Torque </source>
        <translation>par de torsión</translation>
    </message>
    <message>
        <source>Stress </source>
        <translation>esfuerzo</translation>
    </message>
    <message>
        <source>Surface Tension </source>
        <translation>tensión superficial</translation>
    </message>
    <message>
        <source>MassFlowrate </source>
        <translation>caudal másico</translation>
    </message>
    <message>
        <source>Volume FlowRate </source>
        <translation>caudal volumétrico</translation>
    </message>
    <message>
        <source>Ideal Gas Volume </source>
        <translation>volumen de gas ideal</translation>
    </message>
    <message>
        <source>Density </source>
        <translation>densidad</translation>
    </message>
    <message>
        <source>Dynamic Viscosity </source>
        <translation>viscosidad dinámica</translation>
    </message>
    <message>
        <source>Kinematic Viscosity </source>
        <translation>viscosidad cinemática</translation>
    </message>
    <message>
        <source>Density Of Heat FlowRate </source>
        <translation>densidad de flujo térmico</translation>
    </message>
    <message>
        <source>Concentration </source>
        <translation>concentración</translation>
    </message>
    <message>
        <source>Molar Concentration </source>
        <translation>concentración molar</translation>
    </message>
    <message>
        <source>Ideal Gas Constant </source>
        <translation>constante de los gases ideales</translation>
    </message>
    <message>
        <source>Arrhenius Constant </source>
        <translation>constante de Arrhenius</translation>
    </message>
    <message>
        <source>Calorific Value </source>
        <translation>poder calorífico</translation>
    </message>
    <message>
        <source>Specific Heat Capacity </source>
        <translation>capacidad calorífica específica</translation>
    </message>
    <message>
        <source>Thermal Conductivity </source>
        <translation>conductividad térmica</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient </source>
        <translation>coeficiente de transferencia de calor</translation>
    </message>
    <message>
        <source>Enthalpy </source>
        <translation>entalpía</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>mile</source>
        <translation>milla</translation>
    </message>
    <message>
        <source>Yard</source>
        <translation>Yarda</translation>
    </message>
    <message>
        <source>Liter</source>
        <translation>Litro</translation>
    </message>
    <message>
        <source>US gal</source>
        <translation>gal US</translation>
    </message>
    <message>
        <source>Imp gal</source>
        <translation>gal imp</translation>
    </message>
    <message>
        <source>Barrel</source>
        <translation>Barril</translation>
    </message>
    <message>
        <source>UK Pint</source>
        <translation>Pinta UK</translation>
    </message>
    <message>
        <source>UK gal</source>
        <translation>gal UK</translation>
    </message>
    <message>
        <source>US Barrel</source>
        <translation>Barril US</translation>
    </message>
    <message>
        <source>Fluid oz</source>
        <translation>Onza líquida</translation>
    </message>
    <message>
        <source>Carat</source>
        <translation>Quilate</translation>
    </message>
    <message>
        <source>UK ton</source>
        <translation>Tonelada larga</translation>
    </message>
    <message>
        <source>US ton (Short ton)</source>
        <translation>Tonelada corta</translation>
    </message>
    <message>
        <source>Metric ton</source>
        <translation>Tonelada</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Onza</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Guintal</source>
        <translation>Quintal métrico</translation>
    </message>
    <message>
        <source>Metric hp</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>ton of Refrigeration</source>
        <translation>Ton. refrigeración</translation>
    </message>
    <message>
        <source>Liter/h</source>
        <translation>Litro/h</translation>
    </message>
    <message>
        <source>Liter/min</source>
        <translation>Litro/min</translation>
    </message>
    <message>
        <source>Liter/s</source>
        <translation>Litro/s</translation>
    </message>
    <message>
        <source>Barrel/hr</source>
        <translation>Barril/h</translation>
    </message>
    <message>
        <source>UK Pint/h</source>
        <translation>Pinta UK/h</translation>
    </message>
    <message>
        <source>US Barrel/h</source>
        <translation>Barril US/h</translation>
    </message>
    <message>
        <source>Fluid oz/h</source>
        <translation>Onza líquida/h</translation>
    </message>
</context>
<context>
    <name>quantora::ConstantsSheetWidget</name>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>quantora::FactorChoice</name>
    <message>
        <source>Not saved for the next start: %1</source>
        <translation>No guardado para el próximo inicio: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <comment>after the factors&apos; name</comment>
        <translation>(no guardado)</translation>
    </message>
</context>
<context>
    <name>quantora::InitialScreen</name>
    <message>
        <source>%1 %2 By Orvandel</source>
        <translation>%1 %2 por Orvandel</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Standard Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>a quantity&apos;s title word, then the conversion screen&apos;s title</comment>
        <translation>%2 de %1</translation>
    </message>
</context>
<context>
    <name>quantora::TheDisplayScreen</name>
    <message>
        <source>Enter Value To be Converted...</source>
        <translation>Valor a convertir...</translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation>Volver al menú principal</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>Value in</source>
        <translation>Valor de entrada</translation>
    </message>
    <message>
        <source>From unit</source>
        <translation>Unidad de origen</translation>
    </message>
    <message>
        <source>To unit</source>
        <translation>Unidad de destino</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a quantity, then its result</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Exact factors</source>
        <translation>Factores exactos</translation>
    </message>
    <message>
        <source>Table factors</source>
        <translation>Factores de la tabla</translation>
    </message>
    <message>
        <source>Exact Factors</source>
        <translation>Factores exactos</translation>
    </message>
</context>
<context>
    <name>quantora::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>%1 looks for %2, the system-information program named in the registry.</source>
        <translation>%1 busca %2, el programa de información del sistema indicado en el registro.</translation>
    </message>
    <message>
        <source>%1 looks for one of these programs on the PATH: %2.</source>
        <translation>%1 busca uno de estos programas en el PATH: %2.</translation>
    </message>
    <message>
        <source>A Quantora that  makes conversion between various engineering units easy .  The program is constructed in such away that it gives the equivalent measurement  by moving the pointer to the required unit....</source>
        <translation>Quantora facilita la conversión entre unidades de ingeniería. El programa da la medida equivalente al mover el puntero a la unidad deseada.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info del &amp;sistema...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>quantora::frmConstants</name>
    <message>
        <source>Constants Screen - %1  %2</source>
        <translation>Constantes - %1  %2</translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation>Al menú principal</translation>
    </message>
</context>
</TS>
