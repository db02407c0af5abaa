<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Caption</name>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
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
        <translation>Velocid.</translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation>Energia de ativação</translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation>Energia específica</translation>
    </message>
    <message>
        <source>Energy Work Heat</source>
        <translation>Energia, trabalho, calor</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Força</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Tensão</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Tensão super­ficial</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Vazão mássica</translation>
    </message>
    <message>
        <source>Volume FlowRate</source>
        <translation>Vazão
volu-
métrica</translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation>Volume de gás ideal</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Massa
especí-
fica</translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation>Visco­sidade dinâmica</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Visco­sidade cinemática</translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation>Densidade de fluxo térmico</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentração</translation>
    </message>
    <message>
        <source> Molar Concentration</source>
        <translation> Concentração molar</translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation>Constante dos gases ideais</translation>
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
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Condutividade térmica</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficien</source>
        <translation>Coeficiente de trans­ferência de calor</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Entalpia</translation>
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
        <translation>Temperatura e pressão normais</translation>
    </message>
    <message>
        <source>C and 1.013 bar</source>
        <comment>after a raised o: 0 degrees C</comment>
        <translation>C e 1.013 bar</translation>
    </message>
    <message>
        <source>Molecular volume of ideal gas at stp</source>
        <translation>Volume molar do gás ideal</translation>
    </message>
    <message>
        <source>= 22.4 liters/mol</source>
        <translation>= 22.4 litros/mol</translation>
    </message>
    <message>
        <source>Universal Gas constant, R</source>
        <translation>Constante dos gases ideais, R</translation>
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
        <translation>Aceleração da gravidade, g</translation>
    </message>
    <message>
        <source>Conversion factor, g</source>
        <comment>a lowered c follows</comment>
        <translation>Fator de conversão, g</translation>
    </message>
    <message>
        <source>Gravitational constant, G</source>
        <translation>Constante gravitacional, G</translation>
    </message>
    <message>
        <source>= 273.15K and 1.013 x 10</source>
        <comment>a raised 5 follows</comment>
        <translation>= 273.15 K e 1.013 x 10</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Basic Conversion</source>
        <translation>Grandezas usuais</translation>
    </message>
    <message>
        <source>Flow/Volume/Density Related</source>
        <translation>Vazão, volume, massa específica</translation>
    </message>
    <message>
        <source>Energy/Power Related</source>
        <translation>Energia e potência</translation>
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
        <translation>Água a 4 °C e mercúrio a 0 °C</translation>
    </message>
    <message>
        <source>The kgf is sometimes known as kilopond (kp) </source>
        <translation>O kgf também é chamado de quilopond (kp)</translation>
    </message>
    <message>
        <source>Year taken as 365 days </source>
        <translation>Ano de 365 dias</translation>
    </message>
    <message>
        <source>Based on 1901  definition of the litre</source>
        <translation>Conforme a definição do litro de 1901</translation>
    </message>
</context>
<context>
    <name>Quantity</name>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
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
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Activation Energy</source>
        <translation>Energia de ativação</translation>
    </message>
    <message>
        <source>Specific Energy</source>
        <translation>Energia específica</translation>
    </message>
    <message>
        <source>Energy, Work, Heat</source>
        <translation>Energia, trabalho, calor</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Força</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Tensão</translation>
    </message>
    <message>
        <source>Surface Tension</source>
        <translation>Tensão superficial</translation>
    </message>
    <message>
        <source>Mass Flow Rate</source>
        <translation>Vazão mássica</translation>
    </message>
    <message>
        <source>Volume Flow Rate</source>
        <translation>Vazão volumétrica</translation>
    </message>
    <message>
        <source>Ideal Gas Volume</source>
        <translation>Volume de gás ideal</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Massa específica</translation>
    </message>
    <message>
        <source>Dynamic Viscosity</source>
        <translation>Viscosidade dinâmica</translation>
    </message>
    <message>
        <source>Kinematic Viscosity</source>
        <translation>Viscosidade cinemática</translation>
    </message>
    <message>
        <source>Density Of Heat Flow Rate</source>
        <translation>Densidade de fluxo térmico</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentração</translation>
    </message>
    <message>
        <source>Molar Concentration</source>
        <translation>Concentração molar</translation>
    </message>
    <message>
        <source>Ideal Gas Constant</source>
        <translation>Constante dos gases ideais</translation>
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
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>Thermal Conductivity</source>
        <translation>Condutividade térmica</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient</source>
        <translation>Coeficiente de transferência de calor</translation>
    </message>
    <message>
        <source>Enthalpy</source>
        <translation>Entalpia</translation>
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
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is larger than a settings file of Quantora</source>
        <translation>%1 é maior que um arquivo de configurações do Quantora</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 is locked by another program (%2)</source>
        <translation>%1 está bloqueado por outro programa (%2)</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Length </source>
        <translation>comprimento</translation>
    </message>
    <message>
        <source>Volume </source>
        <translation>volume</translation>
    </message>
    <message>
        <source>Mass </source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Pressure </source>
        <translation>pressão</translation>
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
        <translation>velocidade</translation>
    </message>
    <message>
        <source>Activation Energy </source>
        <translation>energia de ativação</translation>
    </message>
    <message>
        <source>Specific Energy </source>
        <translation>energia específica</translation>
    </message>
    <message>
        <source>Energy, Work, Heat </source>
        <translation>energia, trabalho, calor</translation>
    </message>
    <message>
        <source>Power </source>
        <translation>potência</translation>
    </message>
    <message>
        <source>Force </source>
        <translation>força</translation>
    </message>
    <message>
        <source>Torque </source>
        <translation>torque</translation>
    </message>
    <message>
        <source>Stress </source>
        <translation>tensão</translation>
    </message>
    <message>
        <source>Surface Tension </source>
        <translation>tensão superficial</translation>
    </message>
    <message>
        <source>MassFlowrate </source>
        <translation>vazão mássica</translation>
    </message>
    <message>
        <source>Volume FlowRate </source>
        <translation>vazão volumétrica</translation>
    </message>
    <message>
        <source>Ideal Gas Volume </source>
        <translation>volume de gás ideal</translation>
    </message>
    <message>
        <source>Density </source>
        <translation>massa específica</translation>
    </message>
    <message>
        <source>Dynamic Viscosity </source>
        <translation>viscosidade dinâmica</translation>
    </message>
    <message>
        <source>Kinematic Viscosity </source>
        <translation>viscosidade cinemática</translation>
    </message>
    <message>
        <source>Density Of Heat FlowRate </source>
        <translation>densidade de fluxo térmico</translation>
    </message>
    <message>
        <source>Concentration </source>
        <translation>concentração</translation>
    </message>
    <message>
        <source>Molar Concentration </source>
        <translation>concentração molar</translation>
    </message>
    <message>
        <source>Ideal Gas Constant </source>
        <translation>constante dos gases ideais</translation>
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
        <translation>calor específico</translation>
    </message>
    <message>
        <source>Thermal Conductivity </source>
        <translation>condutividade térmica</translation>
    </message>
    <message>
        <source>Heat Transfer Coefficient </source>
        <translation>coeficiente de transferência de calor</translation>
    </message>
    <message>
        <source>Enthalpy </source>
        <translation>entalpia</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>mile</source>
        <translation>milha</translation>
    </message>
    <message>
        <source>Yard</source>
        <translation>Jarda</translation>
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
        <translation>Onça líquida</translation>
    </message>
    <message>
        <source>Carat</source>
        <translation>Quilate</translation>
    </message>
    <message>
        <source>UK ton</source>
        <translation>Tonelada longa</translation>
    </message>
    <message>
        <source>US ton (Short ton)</source>
        <translation>Tonelada curta</translation>
    </message>
    <message>
        <source>Metric ton</source>
        <translation>Tonelada</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Onça</translation>
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
        <translation>cv</translation>
    </message>
    <message>
        <source>ton of Refrigeration</source>
        <translation>Ton. refrigeração</translation>
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
        <translation>Onça líquida/h</translation>
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
        <translation>Não salvo para a próxima inicialização: %1</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <comment>after the factors&apos; name</comment>
        <translation>(não salvo)</translation>
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
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Standard Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Sair</translation>
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
        <translation>Valor a converter...</translation>
    </message>
    <message>
        <source>Back To Main Menu</source>
        <translation>Voltar ao menu principal</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversão</translation>
    </message>
    <message>
        <source>Value in</source>
        <translation>Valor de entrada</translation>
    </message>
    <message>
        <source>From unit</source>
        <translation>Unidade de origem</translation>
    </message>
    <message>
        <source>To unit</source>
        <translation>Unidade de destino</translation>
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
        <translation>Fatores exatos</translation>
    </message>
    <message>
        <source>Table factors</source>
        <translation>Fatores da tabela</translation>
    </message>
    <message>
        <source>Exact Factors</source>
        <translation>Fatores exatos</translation>
    </message>
</context>
<context>
    <name>quantora::frmAbout</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
    <message>
        <source>%1 looks for %2, the system-information program named in the registry.</source>
        <translation>O %1 procura %2, o programa de informações do sistema indicado no registro.</translation>
    </message>
    <message>
        <source>%1 looks for one of these programs on the PATH: %2.</source>
        <translation>O %1 procura um destes programas no PATH: %2.</translation>
    </message>
    <message>
        <source>A Quantora that  makes conversion between various engineering units easy .  The program is constructed in such away that it gives the equivalent measurement  by moving the pointer to the required unit....</source>
        <translation>O Quantora facilita a conversão entre unidades de engenharia. O programa mostra a medida equivalente ao mover o ponteiro para a unidade desejada.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info do &amp;sistema...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
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
        <translation>Ao menu principal</translation>
    </message>
</context>
</TS>
