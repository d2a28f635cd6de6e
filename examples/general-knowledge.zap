World Capitals
Q: What is the capital city of France?
A: Paris
Q: What is the capital city of Japan?
A: Tokyo
Q: What is the capital city of Egypt?
A: Cairo
Q: What is the capital city of Canada?
A: Ottawa
Q: What is the capital city of Australia?
A: Canberra
Q: What is the capital city of Brazil?
A: Brasília
Animals
Q: What is a baby cat called?
A: A kitten
Q: What is the tallest living land animal?
A: The giraffe
Q: How many legs does a spider have?
A: Eight
Q: What is the fastest land animal?
A: The cheetah
Q: What is the name for a group of lions?
A: A pride
Q: How many hearts does an octopus have?
A: Three
Food & Drink
Q: In which country did pizza originate?
A: Italy
Q: Guacamole is made mainly from which fruit?
A: Avocado
Q: What is the main ingredient of hummus?
A: Chickpeas
Q: Tofu is made from the milk of which bean?
A: The soybean
Q: Gruyère cheese takes its name from a town in which country?
A: Switzerland
Q: Which expensive spice comes from the dried stigmas of a crocus flower?
A: Saffron
The Human Body
Q: Which organ pumps blood around the body?
A: The heart
Q: What is the largest organ of the human body?
A: The skin
Q: How many teeth are in a full adult set, including wisdom teeth?
A: 32
Q: What is the longest bone in the human body?
A: The femur (thigh bone)
Q: Which coloured part of the eye changes the size of the pupil?
A: The iris
Q: What is the smallest bone in the human body?
A: The stapes (stirrup bone, in the ear)
Sport
Q: How many players does each team have on the pitch in a football (soccer) match?
A: Eleven
Q: In which sport would you perform a slam dunk?
A: Basketball
Q: How many rings are there on the Olympic flag?
A: Five
Q: In tennis, which word means a score of zero?
A: Love
Q: To the nearest kilometre, how long is a marathon?
A: 42 km (42.195 km)
Q: In snooker, what is the highest possible break without a free ball?
A: 147
Famous Inventions
Q: Who is credited with inventing the telephone, patented in 1876?
A: Alexander Graham Bell
Q: Which American brothers made the first controlled, powered aeroplane flight in 1903?
A: The Wright brothers (Orville and Wilbur)
Q: Which British computer scientist invented the World Wide Web?
A: Tim Berners-Lee
Q: Which Swedish chemist invented dynamite and later founded famous prizes?
A: Alfred Nobel
Q: Which German goldsmith introduced printing with movable metal type to Europe in the 15th century?
A: Johannes Gutenberg
Q: The Swiss engineer George de Mestral got the idea for which fastener from burrs stuck to his dog's fur?
A: Velcro (hook-and-loop fastener)
Music
Q: How many strings does a standard guitar have?
A: Six
Q: Which band from Liverpool recorded "Hey Jude" and "Let It Be"?
A: The Beatles
Q: Which composer wrote the "Moonlight" Sonata and kept composing after losing his hearing?
A: Ludwig van Beethoven
Q: How many keys does a standard modern piano have?
A: 88
Q: Which Italian composer wrote the set of violin concertos called "The Four Seasons"?
A: Antonio Vivaldi
Q: Which Polish-born composer, known as the "poet of the piano", wrote many nocturnes and mazurkas?
A: Frédéric Chopin
Space
Q: Which planet is known as the Red Planet?
A: Mars
Q: What is the largest planet in our solar system?
A: Jupiter
Q: Who was the first person to walk on the Moon?
A: Neil Armstrong
Q: Who became the first human to travel into space, in 1961?
A: Yuri Gagarin
Q: True or False: The Great Wall of China can be seen from the Moon with the naked eye.
A: False
Q: What is the name of the giant volcano on Mars, one of the largest known in the solar system?
A: Olympus Mons
Literature
Q: Who wrote the play "Romeo and Juliet"?
A: William Shakespeare
Q: In which series of books is Hogwarts School of Witchcraft and Wizardry?
A: Harry Potter
Q: Which author created the detective Sherlock Holmes?
A: Arthur Conan Doyle
Q: Who wrote the novel "Pride and Prejudice"?
A: Jane Austen
Q: In "Moby-Dick", what is the name of the captain who hunts the white whale?
A: Captain Ahab
Q: Which Colombian author wrote "One Hundred Years of Solitude"?
A: Gabriel García Márquez
Language
Q: How many letters are there in the English alphabet?
A: 26
Q: What is the official language of Brazil?
A: Portuguese
Q: What is the term for a word that means the opposite of another, like "hot" and "cold"?
A: An antonym
Q: What do you call a word that reads the same forwards and backwards, like "level"?
A: A palindrome
Q: What does the French phrase "déjà vu" literally mean?
A: Already seen
Q: The Rosetta Stone helped scholars to decipher which ancient writing system?
A: Egyptian hieroglyphs
Art
Q: Who painted the "Mona Lisa"?
A: Leonardo da Vinci
Q: Which Dutch painter created "The Starry Night" and a famous series of sunflower paintings?
A: Vincent van Gogh
Q: Which artist painted the ceiling of the Sistine Chapel in Vatican City?
A: Michelangelo
Q: Which Spanish artist co-founded Cubism and painted "Guernica"?
A: Pablo Picasso
Q: Which Norwegian artist painted "The Scream"?
A: Edvard Munch
Q: Which Dutch artist painted "Girl with a Pearl Earring"?
A: Johannes Vermeer
History
Q: Who was the first President of the United States?
A: George Washington
Q: In which year did the Titanic sink?
A: 1912
Q: Which French emperor was defeated at the Battle of Waterloo in 1815?
A: Napoleon Bonaparte
Q: In which year did the Berlin Wall fall?
A: 1989
Q: Which of the Seven Wonders of the Ancient World stood at the harbour of Alexandria?
A: The Lighthouse (Pharos) of Alexandria
Q: Which English king agreed to the Magna Carta in 1215?
A: King John
Mathematics
Q: How many sides does an octagon have?
A: Eight
Q: What is 12 squared (12 × 12)?
A: 144
Q: What do the interior angles of any triangle add up to, in degrees?
A: 180 degrees
Q: What is the only even prime number?
A: Two
Q: What is 2 to the power of 10?
A: 1024
Q: How many degrees is each interior angle of a regular hexagon?
A: 120 degrees
Film
Q: Which animated film features a talking snowman called Olaf?
A: Frozen
Q: In "The Wizard of Oz", what is the name of Dorothy's dog?
A: Toto
Q: Who directed the films "Jaws" and "E.T. the Extra-Terrestrial"?
A: Steven Spielberg
Q: Which director made both "Titanic" (1997) and "Avatar" (2009)?
A: James Cameron
Q: Which silent film star was famous for his character "the Little Tramp"?
A: Charlie Chaplin
Q: Which 1941 film, directed by and starring Orson Welles, revolves around the word "Rosebud"?
A: Citizen Kane
Rivers & Mountains
Q: What is the highest mountain in the world above sea level?
A: Mount Everest
Q: Which great river flows north through Egypt into the Mediterranean Sea?
A: The Nile
Q: Which river flows through the centre of London?
A: The Thames
Q: In which mountain range are Mont Blanc and the Matterhorn?
A: The Alps
Q: Which river flows through Vienna, Budapest and Belgrade?
A: The Danube
Q: What is the highest mountain in South America?
A: Aconcagua (in Argentina)
