Chemistry
Q: What is the chemical formula for water?
A: H2O
Q: What is the chemical symbol for gold?
A: Au
Q: Which chemical element has atomic number 1?
A: Hydrogen
Q: Which chemical element has the symbol Fe?
A: Iron
Q: Which gas makes up most of the Earth's atmosphere?
A: Nitrogen (about 78%)
Q: Which chemical element has the symbol K?
A: Potassium
Physics
Q: Which force makes objects fall towards the ground?
A: Gravity
Q: At sea level, at what temperature in °C does pure water boil?
A: 100 °C
Q: True or False: Sound can travel through the vacuum of space.
A: False (sound needs a medium)
Q: What is the unit of electrical resistance, written with the symbol Ω?
A: The ohm
Q: Roughly how fast does light travel in a vacuum, in kilometres per second?
A: About 300,000 km/s
Q: One ångström (Å), a unit used for atomic sizes, is equal to what length?
A: 10⁻¹⁰ metres (0.1 nanometre)
Biology
Q: What do we call an animal that eats only plants?
A: A herbivore
Q: What is the process by which green plants use sunlight to make their own food?
A: Photosynthesis
Q: In plant and animal cells, which structure holds most of the DNA?
A: The nucleus
Q: Which part of a cell is often called its "powerhouse"?
A: The mitochondrion (mitochondria)
Q: What does the abbreviation DNA stand for?
A: Deoxyribonucleic acid
Q: How many chromosomes are in a typical human body cell?
A: 46 (23 pairs)
Earth Science
Q: What is molten rock called once it erupts from a volcano?
A: Lava
Q: What is the name of the Earth's outermost solid layer?
A: The crust
Q: What instrument is used to detect and record earthquakes?
A: A seismograph (seismometer)
Q: What type of rock forms when magma or lava cools and hardens?
A: Igneous rock
Q: What is the name of the supercontinent that began to break apart about 200 million years ago?
A: Pangaea
Q: In which layer of the atmosphere is the ozone layer found?
A: The stratosphere
Scientists
Q: Which scientist is famous for the equation E = mc²?
A: Albert Einstein
Q: According to a famous story, which scientist began thinking about gravity after seeing an apple fall?
A: Isaac Newton
Q: Which English naturalist, who sailed on HMS Beagle, is famous for the theory of evolution by natural selection?
A: Charles Darwin
Q: Who was the first person to win two Nobel Prizes, in Physics and in Chemistry?
A: Marie Curie
Q: Which Italian astronomer discovered four large moons of Jupiter with his telescope in 1610?
A: Galileo Galilei
Q: Which Russian chemist published an early periodic table of the elements in 1869?
A: Dmitri Mendeleev
