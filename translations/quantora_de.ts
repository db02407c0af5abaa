<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Caption</name>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschw.</translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation>Aktivie­rungs­energie</translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation>Spezi­fische Energie</translation>
    </message>
    <message>
        <source>Energy Work Heat</source>
        <translation>Energie, Arbeit, Wärme</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Dreh-
moment</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Ober­flächen­spannung</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Massen­strom</translation>
    </message>
    <message>
        <source>Volume FlowRate</source>
        <translation>Volumen­strom</translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation>Ideal-
gas-
volumen</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation>Dyna­mische Visko­sität</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Kinema­tische Visko­sität</translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation>Wärme­strom­dichte</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Konzentration</translation>
    </message>
    <message>
        <source> Molar Concentration</source>
        <translation> Stoffmengen­konzentration</translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation>Molare Gas­konstante</translation>
    </message>
    <message>
        <source>Arrhenius Constant</source>
        <translation>Arrhenius-Konstante</translation>
    </message>
    <message>
        <source>Calorific Value</source>
        <translation>Heizwert</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Spezi­fische Wärme­kapazität</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Wärme­leit­fähigkeit</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficien</source>
        <translation>Wärme­über­gangs­koeffizient</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
</context>
<context>
    <name>ConstantsSheet</name>
    <message>
        <source>Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>Standard temperature and pressure (stp)</source>
        <translation>Normtemperatur und -druck (STP)</translation>
    </message>
    <message>
        <source>C and 1.013 bar</source>
        <comment>after a raised o: 0 degrees C</comment>
        <translation>C und 1.013 bar</translation>
    </message>
    <message>
        <source>Molecular volume of ideal gas at stp</source>
        <translation>Molvolumen des idealen Gases (STP)</translation>
    </message>
    <message>
        <source>= 22.4 liters/mol</source>
        <translation>= 22.4 Liter/mol</translation>
    </message>
    <message>
        <source>Universal Gas constant, R</source>
        <translation>Molare Gaskonstante, R</translation>
    </message>
    <message>
        <source>Avogadro’s number, N</source>
        <comment>a lowered A follows</comment>
        <translation>Avogadro-Konstante, N</translation>
    </message>
    <message>
        <source>Boltzmann constant, k</source>
        <translation>Boltzmann-Konstante, k</translation>
    </message>
    <message>
        <source>Faraday constant, F</source>
        <translation>Faraday-Konstante, F</translation>
    </message>
    <message>
        <source>Plank constant, h</source>
        <translation>Plancksches Wirkungsquantum, h</translation>
    </message>
    <message>
        <source>Acceleration of gravity, g</source>
        <translation>Erdbeschleunigung, g</translation>
    </message>
    <message>
        <source>Conversion factor, g</source>
        <comment>a lowered c follows</comment>
        <translation>Umrechnungsfaktor, g</translation>
    </message>
    <message>
        <source>Gravitational constant, G</source>
        <translation>Gravitationskonstante, G</translation>
    </message>
    <message>
        <source>= 273.15K and 1.013 x 10</source>
        <comment>a raised 5 follows</comment>
        <translation>= 273.15 K und 1.013 x 10</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Basic Conversion</source>
        <translation>Gebräuchliche Größen</translation>
    </message>
    <message>
        <source>Flow/Volume/Density Related</source>
        <translation>Durchfluss, Volumen, Dichte</translation>
    </message>
    <message>
        <source>Energy/Power Related</source>
        <translation>Energie und Leistung</translation>
    </message>
    <message>
        <source>Heat Related</source>
        <translation>Wärme</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Water at 4&apos;C   and Mercury at 0&apos;C</source>
        <translation>Wasser bei 4 °C und Quecksilber bei 0 °C</translation>
    </message>
    <message>
        <source>The kgf is sometimes known as kilopond (kp) </source>
        <translation>Das kgf heißt auch Kilopond (kp)</translation>
    </message>
    <message>
        <source>Year taken as 365 days </source>
        <translation>Jahr zu 365 Tagen gerechnet</translation>
    </message>
    <message>
        <source>Based on 1901  definition of the litre</source>
        <translation>Nach der Literdefinition von 1901</translation>
    </message>
</context>
<context>
    <name>Quantity</name>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation>Aktivierungsenergie</translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation>Spezifische Energie</translation>
    </message>
    <message>
        <source>Energy, Work, Heat</source>
        <translation>Energie, Arbeit, Wärme</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Oberflächenspannung</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Massenstrom</translation>
    </message>
    <message>
        <source>Volume Flow Rate</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation>Idealgasvolumen</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation>Dynamische Viskosität</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Kinematische Viskosität</translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation>Wärmestromdichte</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Konzentration</translation>
    </message>
    <message>
        <source>Molar Concentration</source>
        <translation>Stoffmengenkonzentration</translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation>Molare Gaskonstante</translation>
    </message>
    <message>
        <source>Arrhenius Constant</source>
        <translation>Arrhenius-Konstante</translation>
    </message>
    <message>
        <source>Calorific Value</source>
        <translation>Heizwert</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Spezifische Wärmekapazität</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient</source>
        <translation>Wärmeübergangskoeffizient</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Enthalpie</translation>
    </message>
</context>
<context>
    <name>ResultAnnouncer</name>
    <message>
        <source>result %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a change, then the result it gives</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>Kopiert: %1</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is larger than a settings file of Quantora</source>
        <translation>%1 ist größer als eine Einstellungsdatei von Quantora</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 ist von einem anderen Programm gesperrt (%2)</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Length </source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Volume </source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Mass </source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Pressure </source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Temperature </source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Area </source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Velocity </source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Activation Energy </source>
        <translation>Aktivierungsenergie</translation>
    </message>
    <message>
        <source>Specific Energy </source>
        <translation>Spezifische Energie</translation>
    </message>
    <message>
        <source>Energy, Work, Heat </source>
        <translation>Energie, Arbeit, Wärme</translation>
    </message>
    <message>
        <source>Power </source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Force </source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Torque </source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Stress </source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Surface Tension </source>
        <translation>Oberflächenspannung</translation>
    </message>
    <message>
        <source>MassFlowrate </source>
        <translation>Massenstrom</translation>
    </message>
    <message>
        <source>Volume FlowRate </source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <source>Ideal Gas Volume </source>
        <translation>Idealgasvolumen</translation>
    </message>
    <message>
        <source>Density </source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Dynamic Viscosity </source>
        <translation>Dynamische Viskosität</translation>
    </message>
    <message>
        <source>Kinematic Viscosity </source>
        <translation>Kinematische Viskosität</translation>
    </message>
    <message>
        <source>Density Of Heat FlowRate </source>
        <translation>Wärmestromdichte</translation>
    </message>
    <message>
        <source>Concentration </source>
        <translation>Konzentration</translation>
    </message>
    <message>
        <source>Molar Concentration </source>
        <translation>Stoff­mengen­konzentration</translation>
    </message>
    <message>
        <source>Ideal Gas Constant </source>
        <translation>Molare Gaskonstante</translation>
    </message>
    <message>
        <source>Arrhenius Constant </source>
        <translation>Arrhenius-Konstante</translation>
    </message>
    <message>
        <source>Calorific Value </source>
        <translation>Heizwert</translation>
    </message>
    <message>
        <source>Specific Heat Capacity </source>
        <translation>Spezifische Wärme­kapazität</translation>
    </message>
    <message>
        <source>Thermal Conductivity </source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient </source>
        <translation>Wärme­übergangs­koeffizient</translation>
    </message>
    <message>
        <source>Enthalpy </source>
        <translation>Enthalpie</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>mile</source>
        <translation>Meile</translation>
    </message>
    <message>
        <source>Yard</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>Liter</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>US gal</source>
        <translation>US gal</translation>
    </message>
    <message>
        <source>Imp gal</source>
        <translation>Imp gal</translation>
    </message>
    <message>
        <source>Barrel</source>
        <translation>Barrel</translation>
    </message>
    <message>
        <source>UK Pint</source>
        <translation>UK-Pint</translation>
    </message>
    <message>
        <source>UK gal</source>
        <translation>UK gal</translation>
    </message>
    <message>
        <source>US Barrel</source>
        <translation>US-Barrel</translation>
    </message>
    <message>
        <source>Fluid oz</source>
        <translation>Flüssigunze</translation>
    </message>
    <message>
        <source>Carat</source>
        <translation>Karat</translation>
    </message>
    <message>
        <source>UK ton</source>
        <translation>Long ton</translation>
    </message>
    <message>
        <source>US ton (Short ton)</source>
        <translation>Short ton (US)</translation>
    </message>
    <message>
        <source>Metric ton</source>
        <translation>Tonne</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Unze</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Guintal</source>
        <translation>Doppelzentner</translation>
    </message>
    <message>
        <source>Metric hp</source>
        <translation>PS</translation>
    </message>
    <message>
        <source>ton of Refrigeration</source>
        <translation>Kältetonne</translation>
    </message>
    <message>
        <source>Liter/h</source>
        <translation>Liter/h</translation>
    </message>
    <message>
        <source>Liter/min</source>
        <translation>Liter/min</translation>
    </message>
    <message>
        <source>Liter/s</source>
        <translation>Liter/s</translation>
    </message>
    <message>
        <source>Barrel/hr</source>
        <translation>Barrel/h</translation>
    </message>
    <message>
        <source>UK Pint/h</source>
        <translation>UK-Pint/h</translation>
    </message>
    <message>
        <source>US Barrel/h</source>
        <translation>US-Barrel/h</translation>
    </message>
    <message>
        <source>Fluid oz/h</source>
        <translation>Flüssigunze/h</translation>
    </message>
</context>
<context>
    <name>quantora::ConstantsSheetWidget</name>
    <message>
        <source>Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>quantora::FactorChoice</name>
    <message>
        <source>Not saved for the next start: %1</source>
        <translation>Für den nächsten Start nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <comment>after the factors&apos; name</comment>
        <translation>(nicht gespeichert)</translation>
    </message>
</context>
<context>
    <name>quantora::InitialScreen</name>
    <message>
        <source>%1 %2 By Orvandel</source>
        <translation>%1 %2 von Orvandel</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Standard Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>a quantity&apos;s title word, then the conversion screen&apos;s title</comment>
        <translation>%2: %1</translation>
    </message>
</context>
<context>
    <name>quantora::TheDisplayScreen</name>
    <message>
        <source>Enter Value To be Converted...</source>
        <translation>Wert zum Umrechnen eingeben...</translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation>Zurück zum Haupt­menü</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>Value in</source>
        <translation>Eingabewert</translation>
    </message>
    <message>
        <source>From unit</source>
        <translation>Ausgangseinheit</translation>
    </message>
    <message>
        <source>To unit</source>
        <translation>Zieleinheit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a quantity, then its result</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Exact factors</source>
        <translation>Exakte Faktoren</translation>
    </message>
    <message>
        <source>Table factors</source>
        <translation>Tabellenfaktoren</translation>
    </message>
    <message>
        <source>Exact Factors</source>
        <translation>Exakte Faktoren</translation>
    </message>
</context>
<context>
    <name>quantora::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>%1 looks for %2, the system-information program named in the registry.</source>
        <translation>%1 sucht %2, das in der Registrierung eingetragene Systeminformationsprogramm.</translation>
    </message>
    <message>
        <source>%1 looks for one of these programs on the PATH: %2.</source>
        <translation>%1 sucht eines dieser Programme im PATH: %2.</translation>
    </message>
    <message>
        <source>A Quantora that  makes conversion between various engineering units easy .  The program is constructed in such away that it gives the equivalent measurement  by moving the pointer to the required unit....</source>
        <translation>Quantora macht das Umrechnen zwischen technischen Einheiten einfach. Das Programm zeigt den gleichwertigen Messwert, sobald der Zeiger auf die gewünschte Einheit bewegt wird.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>quantora::frmConstants</name>
    <message>
        <source>Constants Screen - %1  %2</source>
        <translation>Konstanten - %1  %2</translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation>Zum Hauptmenü</translation>
    </message>
</context>
</TS>
