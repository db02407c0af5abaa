<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ConstantsSheet</name>
    <message>
        <source>Constants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard temperature and pressure (stp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C and 1.013 bar</source>
        <comment>after a raised o: 0 degrees C</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molecular volume of ideal gas at stp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= 22.4 liters/mol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Gas constant, R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avogadro’s number, N</source>
        <comment>a lowered A follows</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boltzmann constant, k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faraday constant, F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plank constant, h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration of gravity, g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion factor, g</source>
        <comment>a lowered c follows</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gravitational constant, G</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Basic Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow/Volume/Density Related</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy/Power Related</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat Related</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Quantity</name>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water at 4&apos;C   and Mercury at 0&apos;C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation Energy </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific Energy </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy Work Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy, Work, Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy, Work, Heat </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kgf is sometimes known as kilopond (kp) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torque </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stress </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface Tension </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MassFlowrate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year taken as 365 days </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume FlowRate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Flow Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume FlowRate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal Gas Volume </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Based on 1901  definition of the litre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Viscosity </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinematic Viscosity </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density Of Heat FlowRate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Molar Concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molar Concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molar Concentration </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal Gas Constant </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrhenius Constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrhenius Constant </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calorific Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calorific Value </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific Heat Capacity </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal Conductivity </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat Transfer Coefficien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enthalpy </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>mile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US gal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imp gal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UK Pint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UK gal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Barrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluid oz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UK ton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US ton (Short ton)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric ton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guintal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric hp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ton of Refrigeration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liter/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liter/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liter/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barrel/hr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UK Pint/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Barrel/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluid oz/h</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quantora::ConstantsSheetWidget</name>
    <message>
        <source>Constants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quantora::InitialScreen</name>
    <message>
        <source>%1 %2 By Orvandel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Constants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>a quantity&apos;s title word, then the conversion screen&apos;s title</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quantora::TheDisplayScreen</name>
    <message>
        <source>result %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Value To be Converted...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a quantity, then its result</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quantora::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 looks for %2, the system-information program named in the registry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 looks for one of these programs on the PATH: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Quantora that  makes conversion between various engineering units easy .  The program is constructed in such away that it gives the equivalent measurement  by moving the pointer to the required unit....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quantora::frmConstants</name>
    <message>
        <source>Constants Screen - %1  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
