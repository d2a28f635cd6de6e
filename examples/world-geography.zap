Capitals
Q: What is the capital city of Spain?
A: Madrid
Q: What is the capital city of Germany?
A: Berlin
Q: What is the capital city of Norway?
A: Oslo
Q: What is the capital city of New Zealand?
A: Wellington
Q: What is the capital city of Türkiye (Turkey)?
A: Ankara
Q: What is the capital city of Nigeria?
A: Abuja
Flags
Q: Which country's flag is white with a red circle in the middle?
A: Japan
Q: Which country's flag shows a red maple leaf?
A: Canada
Q: What are the three colours of the flag of Italy?
A: Green, white and red
Q: How many stripes are there on the flag of the United States?
A: 13
Q: Which country's flag is shaped like two stacked triangles instead of a rectangle?
A: Nepal
Q: Which country's flag has a green cedar tree between two red stripes?
A: Lebanon
Oceans & Seas
Q: What is the largest ocean on Earth?
A: The Pacific Ocean
Q: Which ocean lies between Europe and Africa on one side and the Americas on the other?
A: The Atlantic Ocean
Q: Which ocean surrounds the North Pole?
A: The Arctic Ocean
Q: Which salt lake, at the lowest point on land, is so salty that swimmers float easily?
A: The Dead Sea
Q: Which narrow strait separates Spain from Morocco?
A: The Strait of Gibraltar
Q: What is the name of the deepest known point of the oceans, in the Mariana Trench?
A: The Challenger Deep
Deserts
Q: What is the largest hot desert in the world?
A: The Sahara
Q: What is the name for a fertile spot in a desert where water is found?
A: An oasis
Q: Which desert covers much of Mongolia and northern China?
A: The Gobi
Q: True or False: Antarctica counts as a desert.
A: True (it is the largest desert on Earth)
Q: Which desert in South America is one of the driest places on Earth?
A: The Atacama (mainly in Chile)
Q: Which coastal desert in southern Africa gave its name to a country?
A: The Namib (Namibia)
Islands
Q: What is the largest island in the world that is not a continent?
A: Greenland
Q: Which large island off the south-east coast of Africa is famous for its lemurs?
A: Madagascar
Q: What is the largest island in the Mediterranean Sea?
A: Sicily
Q: The Galápagos Islands, famous for Darwin's studies, belong to which country?
A: Ecuador
Q: Which island is shared by Indonesia, Malaysia and Brunei?
A: Borneo
Q: Which Caribbean island is shared by Haiti and the Dominican Republic?
A: Hispaniola
