// What killed programs left behind goes; what running programs keep stays.

#include "support/TempOrdner.h"
#include "platform/Verwaist.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(Verwaist, NurWasBeendeteProgrammeLiessen) {
  const pid_t kind = fork();
  if (kind == 0) _exit(0);
  ASSERT_EQ(waitpid(kind, nullptr, 0), kind);
  const std::string beendet = "scheibwart-office-" + std::to_string(kind) + "-";
  const std::string eigenes = EigenerAnfang("scheibwart-office-") + "a";

  TTempOrdner ordner;
  for (const std::string& name : {beendet + "a", beendet + "a/user", eigenes, std::string("scheibwart-office-1-a"),
                                  std::string("scheibwart-office-abcdef")})
    mkdir(ordner.Pfad(name).c_str(), 0700);
  SchreibBytes(ordner.Pfad(beendet + "a/user/registrymodifications.xcu"), Bytes("x"));
  SchreibBytes(ordner.Pfad(beendet + "b"), Bytes("x"));
  SchreibBytes(ordner.Pfad("." + beendet + "c"), Bytes("x"));

  EntferneVerwaiste(ordner.Pfad(), "scheibwart-office-");
  EXPECT_EQ(ordner.Eintraege(), (std::vector<std::string>{"." + beendet + "c", "scheibwart-office-1-a", eigenes,
                                                          "scheibwart-office-abcdef"}));
}
