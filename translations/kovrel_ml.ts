<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ml_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Visit us online for news, help and our discussion forum.</source>
        <translation>വാർത്തകൾക്കും സഹായത്തിനും ചർച്ചാവേദിക്കുമായി ഞങ്ങളെ ഓൺലൈനിൽ സന്ദർശിക്കുക.</translation>
    </message>
    <message>
        <source>Would you like this software to carry your own name, logo and web address? Fully branded editions are available for web sites and resellers.</source>
        <translation>ഈ സോഫ്റ്റ്‌വെയറിൽ നിങ്ങളുടെ സ്വന്തം പേരും ലോഗോയും വെബ് വിലാസവും വേണോ? വെബ്സൈറ്റുകൾക്കും പുനർവിൽപ്പനക്കാർക്കുമായി പൂർണ്ണ ബ്രാൻഡഡ് പതിപ്പുകൾ ലഭ്യമാണ്.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>കൂടുതൽ വിവരങ്ങൾക്ക് ഇവിടെ ക്ലിക്ക് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ശരി</translation>
    </message>
    <message>
        <source>Place names, coordinates and time zones: GeoNames (geonames.org), licensed CC BY 4.0.</source>
        <translation>സ്ഥലപ്പേരുകൾ, നിർദ്ദേശാങ്കങ്ങൾ, സമയമേഖലകൾ: GeoNames (geonames.org), CC BY 4.0 ലൈസൻസിൽ.</translation>
    </message>
</context>
<context>
    <name>Ayanamsas</name>
    <message>
        <source>Lahiri</source>
        <translation>ലാഹിരി</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>രാമൻ</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>കൃഷ്ണമൂർത്തി</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Asc</source>
        <translation>ല</translation>
    </message>
    <message>
        <source>Rasi Chart</source>
        <translation>രാശിചക്രം</translation>
    </message>
    <message>
        <source>Signs fixed; no ascendant computed</source>
        <translation>രാശികൾ സ്ഥിരം; ലഗ്നം കണക്കാക്കിയിട്ടില്ല</translation>
    </message>
    <message>
        <source>* A precise ephemeris puts this planet in another sign</source>
        <translation>* സൂക്ഷ്മ ഗണനപ്രകാരം ഈ ഗ്രഹം മറ്റൊരു രാശിയിലാണ്</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>ഉത്തരേന്ത്യൻ</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>ദക്ഷിണേന്ത്യൻ</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Chart style</source>
        <translation>ചാർട്ട് ശൈലി</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translation>ചാർട്ട് ശൈലി (&amp;S):</translation>
    </message>
</context>
<context>
    <name>Dignity</name>
    <message>
        <source>exalted</source>
        <translation>ഉച്ചം</translation>
    </message>
    <message>
        <source>debilitated</source>
        <translation>നീചം</translation>
    </message>
    <message>
        <source>own sign</source>
        <translation>സ്വക്ഷേത്രം</translation>
    </message>
    <message>
        <source>in a Great Friend&apos;s sign</source>
        <translation>അധിമിത്രക്ഷേത്രത്തിൽ</translation>
    </message>
    <message>
        <source>in a Friend&apos;s sign</source>
        <translation>മിത്രക്ഷേത്രത്തിൽ</translation>
    </message>
    <message>
        <source>in a Neutral&apos;s sign</source>
        <translation>സമക്ഷേത്രത്തിൽ</translation>
    </message>
    <message>
        <source>in an Enemy&apos;s sign</source>
        <translation>ശത്രുക്ഷേത്രത്തിൽ</translation>
    </message>
    <message>
        <source>in a Great Enemy&apos;s sign</source>
        <translation>അധിശത്രുക്ഷേത്രത്തിൽ</translation>
    </message>
</context>
<context>
    <name>EntryAccessibility</name>
    <message>
        <source>Name</source>
        <translation>പേര്</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>ജനന ദിവസം</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>ജനന മാസം</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>ജനന വർഷം</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>ജനന മണിക്കൂർ</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>ജനന മിനിറ്റ്</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>സമയമേഖല</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>അക്ഷാംശം ഡിഗ്രി</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>അക്ഷാംശം മിനിറ്റ്</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>രേഖാംശം ഡിഗ്രി</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>രേഖാംശം മിനിറ്റ്</translation>
    </message>
    <message>
        <source>City</source>
        <translation>നഗരം</translation>
    </message>
    <message>
        <source>State</source>
        <translation>സംസ്ഥാനം</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>രാജ്യം</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>അക്ഷാംശ അർദ്ധഗോളം</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>രേഖാംശ അർദ്ധഗോളം</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>DEG/MIN</source>
        <translation>ഡിഗ്രി/മിനിറ്റ്</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>വ്യക്തിഗത വിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>മുമ്പ് സംരക്ഷിച്ച ഫലം തുറക്കുക (&amp;O)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>വടക്ക്</translation>
    </message>
    <message>
        <source>South</source>
        <translation>തെക്ക്</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>അക്ഷാംശം</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>പേര്</translation>
    </message>
    <message>
        <source>East</source>
        <translation>കിഴക്ക്</translation>
    </message>
    <message>
        <source>West</source>
        <translation>പടിഞ്ഞാറ്</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>രേഖാംശം</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>ജനനത്തീയതി</translation>
    </message>
    <message>
        <source>City</source>
        <translation>നഗരം</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>അക്ഷാംശം &amp;&amp; രേഖാംശം കണ്ടെത്താൻ ഇവിടെ ക്ലിക്ക് ചെയ്യുക</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>മണി/മിനിറ്റ്</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>ജനനസമയം</translation>
    </message>
    <message>
        <source>State</source>
        <translation>സംസ്ഥാനം</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ഡേലൈറ്റ് സേവിംഗ് സമയം</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>സമയമേഖല</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>രാജ്യം</translation>
    </message>
    <message>
        <source>&amp;Get My Planetary Relationships Reading</source>
        <translation>എന്റെ ഗ്രഹബന്ധ ഫലം കാണുക (&amp;G)</translation>
    </message>
</context>
<context>
    <name>Hemispheres</name>
    <message>
        <source>S</source>
        <translation>തെ</translation>
    </message>
    <message>
        <source>N</source>
        <translation>വ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>കി</translation>
    </message>
    <message>
        <source>W</source>
        <translation>പ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ഫയൽ (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>എന്റെ രാശിചക്രം കാണുക (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Reading...</source>
        <translation>ഫലം തുറക്കുക... (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Reading...</source>
        <translation>ഫലം സംരക്ഷിക്കുക... (&amp;S)</translation>
    </message>
    <message>
        <source>Rece&amp;nt Readings</source>
        <translation>സമീപകാല ഫലങ്ങൾ (&amp;N)</translation>
    </message>
    <message>
        <source>Show Rasi &amp;Chart...</source>
        <translation>രാശിചക്രം കാണിക്കുക... (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print Reading...</source>
        <translation>ഫലം അച്ചടിക്കുക... (&amp;P)</translation>
    </message>
    <message>
        <source>Export Reading as P&amp;DF...</source>
        <translation>ഫലം PDF ആയി എക്സ്പോർട്ട് ചെയ്യുക... (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>ഫലം പകർത്തുക (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>പുറത്തുകടക്കുക (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>സഹായം (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ഓൺലൈൻ സഹായം (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ഞങ്ങളെ ഓൺലൈനിൽ സന്ദർശിക്കുക (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>സോഫ്റ്റ്‌വെയർ അപ്ഡേറ്റ് പരിശോധിക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>സോഫ്റ്റ്‌വെയറിനെക്കുറിച്ച് (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ഓൺലൈനായി പണം സമ്പാദിക്കുക (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>സ്ഥാനങ്ങൾ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Classic Positions</source>
        <translation>പരമ്പരാഗത സ്ഥാനങ്ങൾ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>സൂക്ഷ്മ സ്ഥാനങ്ങൾ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ഭാഷ (&amp;L)</translation>
    </message>
    <message>
        <source>Visit our discussion forum</source>
        <translation>ഞങ്ങളുടെ ചർച്ചാവേദി സന്ദർശിക്കുക</translation>
    </message>
    <message>
        <source>Get a fully branded edition of this software</source>
        <translation>ഈ സോഫ്റ്റ്‌വെയറിന്റെ പൂർണ്ണ ബ്രാൻഡഡ് പതിപ്പ് നേടുക</translation>
    </message>
    <message>
        <source>Get a co-branded edition</source>
        <translation>കോ-ബ്രാൻഡഡ് പതിപ്പ് നേടുക</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Check The File.</source>
        <translation>ദയവായി ഫയൽ പരിശോധിക്കുക.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>ദയവായി നിങ്ങളുടെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>ദയവായി അക്ഷാംശത്തിന്റെ ഡിഗ്രി നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>ദയവായി അക്ഷാംശത്തിന്റെ മിനിറ്റ് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>ദയവായി രേഖാംശത്തിന്റെ ഡിഗ്രി നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>ദയവായി രേഖാംശത്തിന്റെ മിനിറ്റ് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>ദയവായി നിങ്ങളുടെ നഗരത്തിന്റെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>ദയവായി നിങ്ങളുടെ സംസ്ഥാനത്തിന്റെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>ദയവായി നിങ്ങളുടെ രാജ്യത്തിന്റെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>ദയവായി അക്ഷാംശത്തിന്റെ ദിശ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>ദയവായി രേഖാംശത്തിന്റെ ദിശ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>ദയവായി ശരിയായ തീയതിയോ മാസമോ നൽകുക!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>ദയവായി ശരിയായ തീയതിയോ മാസമോ നൽകുക!</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>ദയവായി അക്ഷരങ്ങൾ മാത്രം നൽകുക</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>ദയവായി അക്കങ്ങൾ മാത്രം നൽകുക</translation>
    </message>
    <message>
        <source>The reading could not be written to &quot;%1&quot;.</source>
        <translation>ഫലം &quot;%1&quot; എന്നതിലേക്ക് എഴുതാനായില്ല.</translation>
    </message>
    <message>
        <source>The chart could not be written to &quot;%1&quot;.</source>
        <translation>ചാർട്ട് &quot;%1&quot; എന്നതിലേക്ക് എഴുതാനായില്ല.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ദയവായി നഗരം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ദയവായി സംസ്ഥാനം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ദയവായി രാജ്യം നൽകുക</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ജനുവരി</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ഫെബ്രുവരി</translation>
    </message>
    <message>
        <source>March</source>
        <translation>മാർച്ച്</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ഏപ്രിൽ</translation>
    </message>
    <message>
        <source>May</source>
        <translation>മേയ്</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ജൂൺ</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ജൂലൈ</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ഓഗസ്റ്റ്</translation>
    </message>
    <message>
        <source>September</source>
        <translation>സെപ്റ്റംബർ</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ഒക്ടോബർ</translation>
    </message>
    <message>
        <source>November</source>
        <translation>നവംബർ</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ഡിസംബർ</translation>
    </message>
</context>
<context>
    <name>OpenLink</name>
    <message>
        <source>Address</source>
        <translation>വിലാസം</translation>
    </message>
    <message>
        <source>No web browser could be started for this page. You can copy its address into a browser yourself:</source>
        <translation>ഈ പേജിനായി ഒരു വെബ് ബ്രൗസറും തുറക്കാനായില്ല. ഇതിന്റെ വിലാസം നിങ്ങൾക്ക് സ്വയം ഒരു ബ്രൗസറിലേക്ക് പകർത്താം:</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>സൂര്യൻ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ചന്ദ്രൻ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>ബുധൻ</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>ശുക്രൻ</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>ചൊവ്വ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>വ്യാഴം</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>ശനി</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Kovrel  displays the kind of relationship shared between different planets. This includes natural, temporary and compound relationships.</source>
        <translation>Kovrel വിവിധ ഗ്രഹങ്ങൾ തമ്മിലുള്ള ബന്ധത്തിന്റെ സ്വഭാവം കാണിക്കുന്നു. സ്വാഭാവിക, താൽക്കാലിക, സംയുക്ത ബന്ധങ്ങൾ ഇതിൽ ഉൾപ്പെടുന്നു.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Select the source file</source>
        <translation>ഉറവിട ഫയൽ തിരഞ്ഞെടുക്കുക</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Yes</source>
        <translation>അതെ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ഇല്ല</translation>
    </message>
    <message>
        <source>A precise ephemeris puts %1 at %2 %3</source>
        <translation>സൂക്ഷ്മ ഗണനപ്രകാരം %1 %3 രാശിയിൽ %2 എന്ന സ്ഥാനത്താണ്</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source>Planetary Relationships Reading</source>
        <translation>ഗ്രഹബന്ധ ഫലം</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>പേര്</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>തീയതി</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>സമയം</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>സമയമേഖല</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>ഡേലൈറ്റ് സേവിംഗ്</translation>
    </message>
    <message>
        <source>City</source>
        <translation>നഗരം</translation>
    </message>
    <message>
        <source>State</source>
        <translation>സംസ്ഥാനം</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>രാജ്യം</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>അക്ഷാംശം</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>രേഖാംശം</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>അയനാംശം</translation>
    </message>
    <message>
        <source>Planet Positions</source>
        <translation>ഗ്രഹസ്ഥാനങ്ങൾ</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>സ്ഥിതി</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>രാശി</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>ഡിഗ്രി</translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation>അവസ്ഥ</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - പേജ് %2 / %3</translation>
    </message>
    <message>
        <source>Precise positions, %1 ayanamsa</source>
        <translation>സൂക്ഷ്മ സ്ഥാനങ്ങൾ, %1 അയനാംശം</translation>
    </message>
</context>
<context>
    <name>ReadingPrint</name>
    <message>
        <source>Print Reading</source>
        <translation>ഫലം അച്ചടിക്കുക</translation>
    </message>
</context>
<context>
    <name>Relations</name>
    <message>
        <source>Great Friend</source>
        <translation>അധിമിത്രം</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>മിത്രം</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>സമം</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>ശത്രു</translation>
    </message>
    <message>
        <source>Great Enemy</source>
        <translation>അധിശത്രു</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ഗ്രഹം</translation>
    </message>
    <message>
        <source>Friends (mitra)</source>
        <translation>സുഹൃത്തുക്കൾ (മിത്ര)</translation>
    </message>
    <message>
        <source>Enemies (satru)</source>
        <translation>ശത്രുക്കൾ (ശത്രു)</translation>
    </message>
    <message>
        <source>Neutral (sama)</source>
        <translation>നിഷ്പക്ഷർ (സമ)</translation>
    </message>
    <message>
        <source>Natural (Naisargika)</source>
        <translation>സ്വാഭാവികം (നൈസർഗിക)</translation>
    </message>
    <message>
        <source>Temporary (Tatkalika)</source>
        <translation>താൽക്കാലികം (താത്കാലിക)</translation>
    </message>
    <message>
        <source>Compound (Panchadha)</source>
        <translation>സംയുക്തം (പഞ്ചധാ)</translation>
    </message>
    <message>
        <source>Natural Relationship</source>
        <translation>സ്വാഭാവിക ബന്ധം</translation>
    </message>
    <message>
        <source>Temporary Relationship</source>
        <translation>താൽക്കാലിക ബന്ധം</translation>
    </message>
    <message>
        <source>Compound Relationship</source>
        <translation>സംയുക്ത ബന്ധം</translation>
    </message>
    <message>
        <source>Kovrel Result</source>
        <translation>Kovrel ഫലം</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>daylight saving time</source>
        <translation>ഡേലൈറ്റ് സേവിംഗ് സമയം</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>പേര്</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>സ്ഥാനങ്ങൾ</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>ജനനം</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>സ്ഥലം</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>അക്ഷാംശം</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>രേഖാംശം</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>അയനാംശം</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ചന്ദ്രൻ</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source>North</source>
        <translation>വടക്ക്</translation>
    </message>
    <message>
        <source>South</source>
        <translation>തെക്ക്</translation>
    </message>
    <message>
        <source>East</source>
        <translation>കിഴക്ക്</translation>
    </message>
    <message>
        <source>West</source>
        <translation>പടിഞ്ഞാറ്</translation>
    </message>
    <message>
        <source>Placements</source>
        <translation>ഗ്രഹസ്ഥിതി</translation>
    </message>
    <message>
        <source>Dignities</source>
        <translation>അവസ്ഥകൾ</translation>
    </message>
    <message>
        <source>Second opinion</source>
        <translation>രണ്ടാം അഭിപ്രായം</translation>
    </message>
</context>
<context>
    <name>ResultPanels</name>
    <message>
        <source>&amp;Save</source>
        <translation>സംരക്ഷിക്കുക (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>പിന്നോട്ട് (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>ചാർട്ട് (&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowSentence</name>
    <message>
        <source>no friends</source>
        <translation>സുഹൃത്തുക്കളില്ല</translation>
    </message>
    <message>
        <source>friends %1</source>
        <translation>സുഹൃത്തുക്കൾ %1</translation>
    </message>
    <message>
        <source>no enemies</source>
        <translation>ശത്രുക്കളില്ല</translation>
    </message>
    <message>
        <source>enemies %1</source>
        <translation>ശത്രുക്കൾ %1</translation>
    </message>
    <message>
        <source>neutral %1</source>
        <translation>നിഷ്പക്ഷർ %1</translation>
    </message>
</context>
<context>
    <name>Sign abbreviations</name>
    <message>
        <source>Ari</source>
        <translation>മേടം</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ഇടവം</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>മിഥുനം</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>കർക്കടകം</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>ചിങ്ങം</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>കന്നി</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>തുലാം</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>വൃശ്ചികം</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>ധനു</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>മകരം</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>കുംഭം</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>മീനം</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>മേടം</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ഇടവം</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>മിഥുനം</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>കർക്കടകം</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>ചിങ്ങം</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>കന്നി</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>തുലാം</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>വൃശ്ചികം</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>ധനു</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>മകരം</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>കുംഭം</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>മീനം</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>ഈ സോഫ്റ്റ്‌വെയറിന് ഒരു അപ്ഡേറ്റ് ലഭ്യമായേക്കാം<byte value="xd"/>അപ്ഡേറ്റ് ഉണ്ടോ എന്ന് പരിശോധിക്കണോ?</translation>
    </message>
</context>
</TS>
