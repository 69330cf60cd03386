<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Visit us online for news, help and our discussion forum.</source>
        <translation>వార్తలు, సహాయం మరియు మా చర్చా వేదిక కోసం మా వెబ్‌సైట్‌ను సందర్శించండి.</translation>
    </message>
    <message>
        <source>Would you like this software to carry your own name, logo and web address? Fully branded editions are available for web sites and resellers.</source>
        <translation>ఈ సాఫ్ట్‌వేర్‌పై మీ స్వంత పేరు, లోగో మరియు వెబ్ చిరునామా ఉండాలనుకుంటున్నారా? వెబ్‌సైట్లు మరియు పునఃవిక్రేతల కోసం పూర్తి బ్రాండెడ్ సంచికలు అందుబాటులో ఉన్నాయి.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>మరిన్ని వివరాల కోసం ఇక్కడ క్లిక్ చేయండి.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>Place names, coordinates and time zones: GeoNames (geonames.org), licensed CC BY 4.0.</source>
        <translation>స్థలాల పేర్లు, నిరూపకాలు మరియు కాల మండలాలు: GeoNames (geonames.org), CC BY 4.0 లైసెన్స్ క్రింద.</translation>
    </message>
</context>
<context>
    <name>Ayanamsas</name>
    <message>
        <source>Lahiri</source>
        <translation>లాహిరి</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>రామన్</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>కృష్ణమూర్తి</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Asc</source>
        <translation>లగ్న</translation>
    </message>
    <message>
        <source>Rasi Chart</source>
        <translation>రాశి చక్రం</translation>
    </message>
    <message>
        <source>Signs fixed; no ascendant computed</source>
        <translation>రాశులు స్థిరం; లగ్నం గణించబడలేదు</translation>
    </message>
    <message>
        <source>* A precise ephemeris puts this planet in another sign</source>
        <translation>* ఖచ్చితమైన ఎఫెమెరిస్ ప్రకారం ఈ గ్రహం వేరే రాశిలో ఉంది</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>ఉత్తర భారత</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>దక్షిణ భారత</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Chart style</source>
        <translation>చక్ర శైలి</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translation>చక్ర శైలి (&amp;S):</translation>
    </message>
</context>
<context>
    <name>Dignity</name>
    <message>
        <source>exalted</source>
        <translation>ఉచ్ఛ</translation>
    </message>
    <message>
        <source>debilitated</source>
        <translation>నీచ</translation>
    </message>
    <message>
        <source>own sign</source>
        <translation>స్వరాశి</translation>
    </message>
    <message>
        <source>in a Great Friend&apos;s sign</source>
        <translation>అధిమిత్ర రాశిలో</translation>
    </message>
    <message>
        <source>in a Friend&apos;s sign</source>
        <translation>మిత్ర రాశిలో</translation>
    </message>
    <message>
        <source>in a Neutral&apos;s sign</source>
        <translation>సమ రాశిలో</translation>
    </message>
    <message>
        <source>in an Enemy&apos;s sign</source>
        <translation>శత్రు రాశిలో</translation>
    </message>
    <message>
        <source>in a Great Enemy&apos;s sign</source>
        <translation>అధిశత్రు రాశిలో</translation>
    </message>
</context>
<context>
    <name>EntryAccessibility</name>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>పుట్టిన తేదీ</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>పుట్టిన నెల</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>పుట్టిన సంవత్సరం</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>పుట్టిన గంట</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>పుట్టిన నిమిషం</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>కాల మండలం</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>అక్షాంశ డిగ్రీలు</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>అక్షాంశ నిమిషాలు</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>రేఖాంశ డిగ్రీలు</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>రేఖాంశ నిమిషాలు</translation>
    </message>
    <message>
        <source>City</source>
        <translation>నగరం</translation>
    </message>
    <message>
        <source>State</source>
        <translation>రాష్ట్రం</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>దేశం</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>అక్షాంశ గోళార్ధం</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>రేఖాంశ గోళార్ధం</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>DEG/MIN</source>
        <translation>డిగ్రీ/నిమి</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>వ్యక్తిగత వివరాలు</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>గతంలో సేవ్ చేసిన నివేదికను తెరవండి (&amp;O)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ఉత్తరం</translation>
    </message>
    <message>
        <source>South</source>
        <translation>దక్షిణం</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>అక్షాంశం</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>East</source>
        <translation>తూర్పు</translation>
    </message>
    <message>
        <source>West</source>
        <translation>పడమర</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>రేఖాంశం</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>జనన తేదీ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>నగరం</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>అక్షాంశం &amp;&amp; రేఖాంశం కనుగొనడానికి ఇక్కడ క్లిక్ చేయండి</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>గం/ని</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>జనన సమయం</translation>
    </message>
    <message>
        <source>State</source>
        <translation>రాష్ట్రం</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>డేలైట్ సేవింగ్ సమయం</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>కాల మండలం</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>దేశం</translation>
    </message>
    <message>
        <source>&amp;Get My Planetary Relationships Reading</source>
        <translation>నా గ్రహ సంబంధాల నివేదిక పొందండి (&amp;G)</translation>
    </message>
</context>
<context>
    <name>Hemispheres</name>
    <message>
        <source>S</source>
        <translation>ద</translation>
    </message>
    <message>
        <source>N</source>
        <translation>ఉ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>తూ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>ప</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ఫైల్ (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>నా రాశి చక్రం పొందండి (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Reading...</source>
        <translation>నివేదిక తెరువు... (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Reading...</source>
        <translation>నివేదిక సేవ్ చేయి... (&amp;S)</translation>
    </message>
    <message>
        <source>Rece&amp;nt Readings</source>
        <translation>ఇటీవలి నివేదికలు (&amp;N)</translation>
    </message>
    <message>
        <source>Show Rasi &amp;Chart...</source>
        <translation>రాశి చక్రం చూపు... (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print Reading...</source>
        <translation>నివేదిక ముద్రించు... (&amp;P)</translation>
    </message>
    <message>
        <source>Export Reading as P&amp;DF...</source>
        <translation>నివేదికను PDFగా ఎగుమతి చేయి... (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>నివేదిక కాపీ చేయి (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>నిష్క్రమించు (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>సహాయం (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ఆన్‌లైన్ సహాయం (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>మా వెబ్‌సైట్ సందర్శించండి (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>సాఫ్ట్‌వేర్ నవీకరణ కోసం తనిఖీ చేయి (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>సాఫ్ట్‌వేర్ గురించి (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ఆన్‌లైన్‌లో డబ్బు సంపాదించండి (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>స్థానాలు (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Classic Positions</source>
        <translation>సాంప్రదాయ స్థానాలు (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>ఖచ్చితమైన స్థానాలు (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>భాష (&amp;L)</translation>
    </message>
    <message>
        <source>Visit our discussion forum</source>
        <translation>మా చర్చా వేదికను సందర్శించండి</translation>
    </message>
    <message>
        <source>Get a fully branded edition of this software</source>
        <translation>ఈ సాఫ్ట్‌వేర్ యొక్క పూర్తి బ్రాండెడ్ సంచికను పొందండి</translation>
    </message>
    <message>
        <source>Get a co-branded edition</source>
        <translation>కో-బ్రాండెడ్ సంచికను పొందండి</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Check The File.</source>
        <translation>దయచేసి ఫైల్‌ను తనిఖీ చేయండి.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>దయచేసి మీ పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>దయచేసి అక్షాంశ డిగ్రీలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>దయచేసి అక్షాంశ నిమిషాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>దయచేసి రేఖాంశ డిగ్రీలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>దయచేసి రేఖాంశ నిమిషాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>దయచేసి మీ నగరం పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>దయచేసి మీ రాష్ట్రం పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>దయచేసి మీ దేశం పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>దయచేసి అక్షాంశానికి దిశను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>దయచేసి రేఖాంశానికి దిశను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>దయచేసి సరైన తేదీ లేదా నెల నమోదు చేయండి!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>దయచేసి సరైన తేదీ లేదా నెల నమోదు చేయండి !</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>దయచేసి అక్షరాలు మాత్రమే నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>దయచేసి సంఖ్యలు మాత్రమే నమోదు చేయండి</translation>
    </message>
    <message>
        <source>The reading could not be written to &quot;%1&quot;.</source>
        <translation>నివేదికను &quot;%1&quot;లో వ్రాయడం సాధ్యం కాలేదు.</translation>
    </message>
    <message>
        <source>The chart could not be written to &quot;%1&quot;.</source>
        <translation>చక్రాన్ని &quot;%1&quot;లో వ్రాయడం సాధ్యం కాలేదు.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>దయచేసి నగరం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>దయచేసి రాష్ట్రం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>దయచేసి దేశం నమోదు చేయండి</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>జనవరి</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ఫిబ్రవరి</translation>
    </message>
    <message>
        <source>March</source>
        <translation>మార్చి</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ఏప్రిల్</translation>
    </message>
    <message>
        <source>May</source>
        <translation>మే</translation>
    </message>
    <message>
        <source>June</source>
        <translation>జూన్</translation>
    </message>
    <message>
        <source>July</source>
        <translation>జూలై</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ఆగస్టు</translation>
    </message>
    <message>
        <source>September</source>
        <translation>సెప్టెంబర్</translation>
    </message>
    <message>
        <source>October</source>
        <translation>అక్టోబర్</translation>
    </message>
    <message>
        <source>November</source>
        <translation>నవంబర్</translation>
    </message>
    <message>
        <source>December</source>
        <translation>డిసెంబర్</translation>
    </message>
</context>
<context>
    <name>OpenLink</name>
    <message>
        <source>Address</source>
        <translation>చిరునామా</translation>
    </message>
    <message>
        <source>No web browser could be started for this page. You can copy its address into a browser yourself:</source>
        <translation>ఈ పేజీ కోసం ఏ వెబ్ బ్రౌజర్‌నూ ప్రారంభించలేకపోయాము. దీని చిరునామాను మీరే బ్రౌజర్‌లోకి కాపీ చేసుకోవచ్చు:</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>సూర్యుడు</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>చంద్రుడు</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>బుధుడు</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>శుక్రుడు</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>కుజుడు</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>గురువు</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>శని</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Kovrel  displays the kind of relationship shared between different planets. This includes natural, temporary and compound relationships.</source>
        <translation>Kovrel వేర్వేరు గ్రహాల మధ్య ఉన్న సంబంధాల రకాన్ని చూపిస్తుంది. ఇందులో సహజ, తాత్కాలిక మరియు మిశ్రమ సంబంధాలు ఉంటాయి.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Select the source file</source>
        <translation>మూల ఫైల్‌ను ఎంచుకోండి</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Yes</source>
        <translation>అవును</translation>
    </message>
    <message>
        <source>No</source>
        <translation>లేదు</translation>
    </message>
    <message>
        <source>A precise ephemeris puts %1 at %2 %3</source>
        <translation>ఖచ్చితమైన ఎఫెమెరిస్ ప్రకారం %1: %2 %3</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source>Planetary Relationships Reading</source>
        <translation>గ్రహ సంబంధాల నివేదిక</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>తేదీ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>సమయం</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>కాల మండలం</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>డేలైట్ సేవింగ్</translation>
    </message>
    <message>
        <source>City</source>
        <translation>నగరం</translation>
    </message>
    <message>
        <source>State</source>
        <translation>రాష్ట్రం</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>దేశం</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>అక్షాంశం</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>రేఖాంశం</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>అయనాంశ</translation>
    </message>
    <message>
        <source>Planet Positions</source>
        <translation>గ్రహ స్థానాలు</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>స్థానం</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>రాశి</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>డిగ్రీలు</translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation>స్థితి</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - పేజీ %2 / %3</translation>
    </message>
    <message>
        <source>Precise positions, %1 ayanamsa</source>
        <translation>ఖచ్చితమైన స్థానాలు, %1 అయనాంశ</translation>
    </message>
</context>
<context>
    <name>ReadingPrint</name>
    <message>
        <source>Print Reading</source>
        <translation>నివేదిక ముద్రణ</translation>
    </message>
</context>
<context>
    <name>Relations</name>
    <message>
        <source>Great Friend</source>
        <translation>అధిమిత్ర</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>మిత్ర</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>సమ</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>శత్రు</translation>
    </message>
    <message>
        <source>Great Enemy</source>
        <translation>అధిశత్రు</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>గ్రహం</translation>
    </message>
    <message>
        <source>Friends (mitra)</source>
        <translation>స్నేహితులు (మిత్ర)</translation>
    </message>
    <message>
        <source>Enemies (satru)</source>
        <translation>విరోధులు (శత్రు)</translation>
    </message>
    <message>
        <source>Neutral (sama)</source>
        <translation>తటస్థ (సమ)</translation>
    </message>
    <message>
        <source>Natural (Naisargika)</source>
        <translation>సహజ (నైసర్గిక)</translation>
    </message>
    <message>
        <source>Temporary (Tatkalika)</source>
        <translation>అశాశ్వత (తాత్కాలిక)</translation>
    </message>
    <message>
        <source>Compound (Panchadha)</source>
        <translation>మిశ్రమ (పంచధా)</translation>
    </message>
    <message>
        <source>Natural Relationship</source>
        <translation>సహజ సంబంధం</translation>
    </message>
    <message>
        <source>Temporary Relationship</source>
        <translation>తాత్కాలిక సంబంధం</translation>
    </message>
    <message>
        <source>Compound Relationship</source>
        <translation>మిశ్రమ సంబంధం</translation>
    </message>
    <message>
        <source>Kovrel Result</source>
        <translation>Kovrel ఫలితం</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>daylight saving time</source>
        <translation>డేలైట్ సేవింగ్ సమయం</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>స్థానాలు</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>జననం</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>స్థలం</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>అక్షాంశం</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>రేఖాంశం</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>అయనాంశ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>చంద్రుడు</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ఉత్తరం</translation>
    </message>
    <message>
        <source>South</source>
        <translation>దక్షిణం</translation>
    </message>
    <message>
        <source>East</source>
        <translation>తూర్పు</translation>
    </message>
    <message>
        <source>West</source>
        <translation>పడమర</translation>
    </message>
    <message>
        <source>Placements</source>
        <translation>గ్రహ స్థానాలు</translation>
    </message>
    <message>
        <source>Dignities</source>
        <translation>స్థితులు</translation>
    </message>
    <message>
        <source>Second opinion</source>
        <translation>రెండవ అభిప్రాయం</translation>
    </message>
</context>
<context>
    <name>ResultPanels</name>
    <message>
        <source>&amp;Save</source>
        <translation>సేవ్ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>వెనుకకు (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>చక్రం (&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowSentence</name>
    <message>
        <source>no friends</source>
        <translation>మిత్రులు లేరు</translation>
    </message>
    <message>
        <source>friends %1</source>
        <translation>మిత్రులు %1</translation>
    </message>
    <message>
        <source>no enemies</source>
        <translation>శత్రువులు లేరు</translation>
    </message>
    <message>
        <source>enemies %1</source>
        <translation>శత్రువులు %1</translation>
    </message>
    <message>
        <source>neutral %1</source>
        <translation>సములు %1</translation>
    </message>
</context>
<context>
    <name>Sign abbreviations</name>
    <message>
        <source>Ari</source>
        <translation>మేష</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>వృష</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>మిథు</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>కర్క</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>సింహ</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>కన్య</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>తుల</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>వృశ్చి</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>ధను</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>మకర</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>కుంభ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>మీన</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>మేషం</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>వృషభం</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>మిథునం</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>కర్కాటకం</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>సింహం</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>కన్య</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>తుల</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>వృశ్చికం</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>ధనుస్సు</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>మకరం</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>కుంభం</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>మీనం</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>ఈ సాఫ్ట్‌వేర్‌కు నవీకరణ అందుబాటులో ఉండవచ్చు<byte value="xd"/>నవీకరణ కోసం తనిఖీ చేయాలనుకుంటున్నారా?</translation>
    </message>
</context>
</TS>
