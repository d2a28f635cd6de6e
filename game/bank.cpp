#include "game/bank.h"

// The psychology bank that fills every category no file supplies. Every text stands exactly as
// moderators have always seen it, slips of spelling and content included.

const std::array<BankTitle, 7> kBankTitles{{
    {1, 1, "Famous Psychologists"},
    {1, 2, "Physiology"},
    {1, 3, "Statistics"},
    {1, 4, "History"},
    {1, 5, "Abnormal?"},
    {2, 1, "Methods"},
    {2, 2, "Cognitive"},
}};

const std::array<BankQuestion, 38> kBankQuestions{{
    {1, 1, 1, "Who once said that sometimes, a cigar is just a cigar?", "Sigmund Freud"},
    {1, 1, 2, "Who once claimed that (s)he could turn a child into a butcher, baker, etc.?",
     "James Watson"},
    {1, 1, 3, "Who wrote the book Walden Two?", "B. F. Skinner"},
    {1, 1, 4, "Which ethologist is known for having studied imprinting?", "Konrad Lorenz"},
    {1, 1, 5,
     "Who trained with the Freuds, yet did not maintain that personality was fixed early in "
     "development?",
     "Erickson"},
    {1, 1, 6, "Who is known as the father of Cognitive Psychology?",
     "Wilhelm Wundt or William James"},
    {1, 2, 1, "What does 'CNS' stand for?", "Central Nervous System"},
    {1, 2, 2, "What parts of neuron typically receive signals from other neurons?", "Dendrites"},
    {1, 2, 3, "Which lobe of the brain contains the primary visual cortex?", "The Occipital Lobe"},
    {1, 2, 4, "What is a primary function of the Corpus Callosum?",
     "Allows the sharing of information between the cerebral hemispheres"},
    {1, 2, 5, "True or False: All retinal neurons fire in an all-or-none fashion.",
     "False (graded potentials)"},
    {1, 2, 6, "In most right-handed people, which hemisphere typically controls language function?",
     "The Left Hemisphere"},
    {1, 3, 1, "What does 'df' stand for?", "Degrees of Freedom"},
    {1, 3, 2, "What are the three measures of central tendency?", "The mean, median, and mode"},
    {1, 3, 3, "How many means can one compare using a t-test?", "Only two"},
    {1, 3, 4, "True or False: A correlation of 1.24 is a stronger correlation than that of 0.98",
     "False (correlations can only range between -1.00 and +1.00)"},
    {1, 3, 5, "What is a Type-I error?",
     "Failing to reject the null hypothesis when it should have been rejected"},
    {1, 3, 6, "True or False: A significant outcome is reflected by saying that p > .05.",
     "False (p < .05)"},
    {1, 4, 1, "Which came first, behaviorism or cognitive psychology?", "Behaviorism"},
    {1, 4, 2,
     "One of the earliest 'treatments' for behavioral disorders involved drilling holes in the "
     "head to let evil spirits out, called:",
     "Trephining"},
    {1, 4, 3,
     "Descartes has been credited with providing the psychological tool of systematically "
     "analyzing the contents of one's thoughts, called:",
     "Introspection"},
    {1, 4, 4,
     "True or False: Clever Hans was a horse who appeared to have the ability to understand and "
     "solve mathematical equations.",
     "True (but, as it turns out, appearances were deceiving)"},
    {1, 4, 5,
     "True or False: Psychologists have determined that people typically use only 10 to 20 percent "
     "of their brain capacity at any given time.",
     "False (logic assures us that this is a myth because we have no way of establishing what 100% "
     "capacity would be, let alone some fraction of that)"},
    {1, 4, 6, "Which bodily organ did Aristotle believe housed the human capacity for thought?",
     "The Heart."},
    {1, 5, 1,
     "True or False: Having many different personalities that emerge from time to time is "
     "considered to be a type of schizophrenia?",
     "False (that would be a multiple personality, or dissociative, dissorder)"},
    {1, 5, 2,
     "Freud believed that a fixation at which early stage of development could result in the later "
     "problem of being a 'control freak?'",
     "The Anal Stage."},
    {1, 5, 3, "According to Behaviorists, abnormal behaviors are simply the result of what?",
     "Reinforcement for those particular behaviors."},
    {1, 5, 4,
     "True or False: Those with Narsissistic disorders rarely seek treatment on their own?",
     "True (unfortunately)."},
    {1, 5, 5,
     "Unconditional positive emotional regard derives from which type of clinical school of "
     "thought?",
     "Humanistic (Rogerian) School."},
    {1, 5, 6,
     "Hallucinations, hearing voices in the head, and feelings of pursecution are typical of what "
     "disorder?",
     "Schizophrenia."},
    {2, 1, 1, "What is an independent variable?", "A variable that the researcher manipulates"},
    {2, 1, 2,
     "What type of experiment is it called when a researcher takes advantage of a pre-existing "
     "variable (such as gender)?",
     "A Quasi-Experiment"},
    {2, 1, 3, "How many dependent variables must an experiment have?", "At least one"},
    {2, 1, 4, "How many levels do independent variables have?", "At least two"},
    {2, 1, 5,
     "In an experiment with three independent variables, how many main effects are possible?",
     "Three"},
    {2, 1, 6, "What is a confound?",
     "When 2 or more independent variables are manipulated simultaneously (can't know which to "
     "attribute the results to)"},
    {2, 2, 1, "The ability to preferentially direct processing resources is known as?",
     "Attention"},
    {2, 2, 5,
     "Name the theory that says we recognize objects by reducing them to their component parts "
     "then match the list to a mental representation.",
     "Feature theory"},
}};
