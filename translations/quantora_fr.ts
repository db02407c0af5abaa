<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Caption</name>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation>Énergie d’acti­vation</translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation>Énergie massique</translation>
    </message>
    <message>
        <source>Energy Work Heat</source>
        <translation>Énergie, travail, chaleur</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Contrainte</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Tension super­ficielle</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Débit mas­sique</translation>
    </message>
    <message>
        <source>Volume FlowRate</source>
        <translation>Débit
volu-
mique</translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation>Volume de gaz parfait</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse
volu-
mique</translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation>Viscosité dyna­mique</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Viscosité ciné­matique</translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation>Densité de flux thermique</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source> Molar Concentration</source>
        <translation> Concentration molaire</translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation>Constante des gaz parfaits</translation>
    </message>
    <message>
        <source>Arrhenius Constant</source>
        <translation>Constante d’Arrhenius</translation>
    </message>
    <message>
        <source>Calorific Value</source>
        <translation>Pouvoir calorifique</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Capacité thermique massique</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Conductivité thermique</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficien</source>
        <translation>Coefficient de transfert thermique</translation>
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
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Standard temperature and pressure (stp)</source>
        <translation>Température et pression normales</translation>
    </message>
    <message>
        <source>C and 1.013 bar</source>
        <comment>after a raised o: 0 degrees C</comment>
        <translation>C et 1.013&#xa0;bar</translation>
    </message>
    <message>
        <source>Molecular volume of ideal gas at stp</source>
        <translation>Volume molaire du gaz parfait</translation>
    </message>
    <message>
        <source>= 22.4 liters/mol</source>
        <translation>= 22.4&#xa0;litres/mol</translation>
    </message>
    <message>
        <source>Universal Gas constant, R</source>
        <translation>Constante des gaz parfaits, R</translation>
    </message>
    <message>
        <source>Avogadro’s number, N</source>
        <comment>a lowered A follows</comment>
        <translation>Constante d’Avogadro, N</translation>
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
        <translation>Accélération de la pesanteur, g</translation>
    </message>
    <message>
        <source>Conversion factor, g</source>
        <comment>a lowered c follows</comment>
        <translation>Facteur de conversion, g</translation>
    </message>
    <message>
        <source>Gravitational constant, G</source>
        <translation>Constante gravitationnelle, G</translation>
    </message>
    <message>
        <source>= 273.15K and 1.013 x 10</source>
        <comment>a raised 5 follows</comment>
        <translation>= 273.15&#xa0;K et 1.013 x 10</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Basic Conversion</source>
        <translation>Grandeurs usuelles</translation>
    </message>
    <message>
        <source>Flow/Volume/Density Related</source>
        <translation>Débit, volume, masse volumique</translation>
    </message>
    <message>
        <source>Energy/Power Related</source>
        <translation>Énergie et puissance</translation>
    </message>
    <message>
        <source>Heat Related</source>
        <translation>Chaleur</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Water at 4&apos;C   and Mercury at 0&apos;C</source>
        <translation>Eau à 4&#xa0;°C et mercure à 0&#xa0;°C</translation>
    </message>
    <message>
        <source>The kgf is sometimes known as kilopond (kp) </source>
        <translation>Le kgf est aussi appelé kilopond (kp)</translation>
    </message>
    <message>
        <source>Year taken as 365 days </source>
        <translation>Année de 365 jours</translation>
    </message>
    <message>
        <source>Based on 1901  definition of the litre</source>
        <translation>Selon la définition du litre de 1901</translation>
    </message>
</context>
<context>
    <name>Quantity</name>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation>Énergie d’activation</translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation>Énergie massique</translation>
    </message>
    <message>
        <source>Energy, Work, Heat</source>
        <translation>Énergie, travail, chaleur</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Contrainte</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Tension superficielle</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Débit massique</translation>
    </message>
    <message>
        <source>Volume Flow Rate</source>
        <translation>Débit volumique</translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation>Volume de gaz parfait</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation>Viscosité dynamique</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Viscosité cinématique</translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation>Densité de flux thermique</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>Molar Concentration</source>
        <translation>Concentration molaire</translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation>Constante des gaz parfaits</translation>
    </message>
    <message>
        <source>Arrhenius Constant</source>
        <translation>Constante d’Arrhenius</translation>
    </message>
    <message>
        <source>Calorific Value</source>
        <translation>Pouvoir calorifique</translation>
    </message>
    <message>
        <source>Specific Heat Capacity</source>
        <translation>Capacité thermique massique</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Conductivité thermique</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient</source>
        <translation>Coefficient de transfert thermique</translation>
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
        <translation>résultat %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a change, then the result it gives</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>Copié&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is larger than a settings file of Quantora</source>
        <translation>%1 est plus grand qu’un fichier de paramètres de Quantora</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 est verrouillé par un autre programme (%2)</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Length </source>
        <translation>longueur</translation>
    </message>
    <message>
        <source>Volume </source>
        <translation>volume</translation>
    </message>
    <message>
        <source>Mass </source>
        <translation>masse</translation>
    </message>
    <message>
        <source>Pressure </source>
        <translation>pression</translation>
    </message>
    <message>
        <source>Temperature </source>
        <translation>température</translation>
    </message>
    <message>
        <source>Area </source>
        <translation>aire</translation>
    </message>
    <message>
        <source>Velocity </source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>Activation Energy </source>
        <translation>énergie d’activation</translation>
    </message>
    <message>
        <source>Specific Energy </source>
        <translation>énergie massique</translation>
    </message>
    <message>
        <source>Energy, Work, Heat </source>
        <translation>énergie, travail, chaleur</translation>
    </message>
    <message>
        <source>Power </source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>Force </source>
        <translation>force</translation>
    </message>
    <message>
        <source>Torque </source>
        <translation>couple</translation>
    </message>
    <message>
        <source>Stress </source>
        <translation>contrainte</translation>
    </message>
    <message>
        <source>Surface Tension </source>
        <translation>tension superficielle</translation>
    </message>
    <message>
        <source>MassFlowrate </source>
        <translation>débit massique</translation>
    </message>
    <message>
        <source>Volume FlowRate </source>
        <translation>débit volumique</translation>
    </message>
    <message>
        <source>Ideal Gas Volume </source>
        <translation>volume de gaz parfait</translation>
    </message>
    <message>
        <source>Density </source>
        <translation>masse volumique</translation>
    </message>
    <message>
        <source>Dynamic Viscosity </source>
        <translation>viscosité dynamique</translation>
    </message>
    <message>
        <source>Kinematic Viscosity </source>
        <translation>viscosité cinématique</translation>
    </message>
    <message>
        <source>Density Of Heat FlowRate </source>
        <translation>densité de flux thermique</translation>
    </message>
    <message>
        <source>Concentration </source>
        <translation>concentration</translation>
    </message>
    <message>
        <source>Molar Concentration </source>
        <translation>concentration molaire</translation>
    </message>
    <message>
        <source>Ideal Gas Constant </source>
        <translation>constante des gaz parfaits</translation>
    </message>
    <message>
        <source>Arrhenius Constant </source>
        <translation>constante d’Arrhenius</translation>
    </message>
    <message>
        <source>Calorific Value </source>
        <translation>pouvoir calorifique</translation>
    </message>
    <message>
        <source>Specific Heat Capacity </source>
        <translation>capacité thermique massique</translation>
    </message>
    <message>
        <source>Thermal Conductivity </source>
        <translation>conductivité thermique</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient </source>
        <translation>coefficient de transfert thermique</translation>
    </message>
    <message>
        <source>Enthalpy </source>
        <translation>enthalpie</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>mile</source>
        <translation>mile</translation>
    </message>
    <message>
        <source>Yard</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>Liter</source>
        <translation>Litre</translation>
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
        <translation>Baril</translation>
    </message>
    <message>
        <source>UK Pint</source>
        <translation>Pinte UK</translation>
    </message>
    <message>
        <source>UK gal</source>
        <translation>gal UK</translation>
    </message>
    <message>
        <source>US Barrel</source>
        <translation>Baril US</translation>
    </message>
    <message>
        <source>Fluid oz</source>
        <translation>Once liquide</translation>
    </message>
    <message>
        <source>Carat</source>
        <translation>Carat</translation>
    </message>
    <message>
        <source>UK ton</source>
        <translation>Tonne longue</translation>
    </message>
    <message>
        <source>US ton (Short ton)</source>
        <translation>Tonne courte (US)</translation>
    </message>
    <message>
        <source>Metric ton</source>
        <translation>Tonne</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Guintal</source>
        <translation>Quintal</translation>
    </message>
    <message>
        <source>Metric hp</source>
        <translation>ch</translation>
    </message>
    <message>
        <source>ton of Refrigeration</source>
        <translation>Tonne de froid</translation>
    </message>
    <message>
        <source>Liter/h</source>
        <translation>Litre/h</translation>
    </message>
    <message>
        <source>Liter/min</source>
        <translation>Litre/min</translation>
    </message>
    <message>
        <source>Liter/s</source>
        <translation>Litre/s</translation>
    </message>
    <message>
        <source>Barrel/hr</source>
        <translation>Baril/h</translation>
    </message>
    <message>
        <source>UK Pint/h</source>
        <translation>Pinte UK/h</translation>
    </message>
    <message>
        <source>US Barrel/h</source>
        <translation>Baril US/h</translation>
    </message>
    <message>
        <source>Fluid oz/h</source>
        <translation>Once liquide/h</translation>
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
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>quantora::FactorChoice</name>
    <message>
        <source>Not saved for the next start: %1</source>
        <translation>Non enregistré pour le prochain démarrage&#xa0;: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <comment>after the factors&apos; name</comment>
        <translation>(non enregistré)</translation>
    </message>
</context>
<context>
    <name>quantora::InitialScreen</name>
    <message>
        <source>%1 %2 By Orvandel</source>
        <translation>%1 %2 par Orvandel</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Standard Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>a quantity&apos;s title word, then the conversion screen&apos;s title</comment>
        <translation>%2&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quantora::TheDisplayScreen</name>
    <message>
        <source>Enter Value To be Converted...</source>
        <translation>Valeur à convertir...</translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Value in</source>
        <translation>Valeur d’entrée</translation>
    </message>
    <message>
        <source>From unit</source>
        <translation>Unité de départ</translation>
    </message>
    <message>
        <source>To unit</source>
        <translation>Unité d’arrivée</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a quantity, then its result</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Exact factors</source>
        <translation>Facteurs exacts</translation>
    </message>
    <message>
        <source>Table factors</source>
        <translation>Facteurs de la table</translation>
    </message>
    <message>
        <source>Exact Factors</source>
        <translation>Facteurs exacts</translation>
    </message>
</context>
<context>
    <name>quantora::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système sont indisponibles pour le moment</translation>
    </message>
    <message>
        <source>%1 looks for %2, the system-information program named in the registry.</source>
        <translation>%1 recherche %2, le programme d’informations système indiqué dans le registre.</translation>
    </message>
    <message>
        <source>%1 looks for one of these programs on the PATH: %2.</source>
        <translation>%1 recherche l’un de ces programmes dans le PATH&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A Quantora that  makes conversion between various engineering units easy .  The program is constructed in such away that it gives the equivalent measurement  by moving the pointer to the required unit....</source>
        <translation>Quantora facilite la conversion entre unités techniques. Le programme donne la mesure équivalente dès que le pointeur est placé sur l’unité voulue.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Constantes - %1  %2</translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation>Au menu principal</translation>
    </message>
</context>
</TS>
