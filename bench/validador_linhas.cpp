// Reading a declaration text file of 2 million lines: every line read, decoded, split and each of
// its fields tested by the field rules of its record type, against the bare read-and-split of the
// same file in the same run. Prints figures only.

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "nucleo/Cpf.h"
#include "validador/LeitorLinhas.h"
#include "validador/TArquivoA.h"
#include "validador/TArquivoDados.h"
#include "validador/TCampoF8UCL6S.h"
#include "validador/TLinhaStringList.h"

namespace {

constexpr int kBeneficiarios = 500000;  // four lines each

// Processor time of this thread: the machine may be shared with other work.
double SegundosCpu() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + t.tv_nsec / 1e9;
}

// A beneficiary and three monthly series, as the program writes them.
void GeraArquivo(const QString& caminho) {
  QFile arquivo(caminho);
  if (!arquivo.open(QIODevice::WriteOnly)) return;
  QByteArray bloco;
  for (int i = 0; i < kBeneficiarios; ++i) {
    const QString base = QString::number(100000000 + 7 * i);
    const QByteArray cpf = (base + TCpf::CalculaDVCpf(base)).toLatin1();
    // Consonant and vowel in turn: no letter repeats, as a name allows.
    QByteArray nome = "BENEFICIARIO ";
    for (int n = i + 1, p = 0; n > 0; n /= 10, ++p) {
      nome += "BCDFGHJKLM"[n % 10];
      nome += "AEIOU"[p % 5];
    }
    bloco += "BPFDEC|" + cpf + '|' + nome + " SILVA||\r\n";
    for (const char* serie : {"RTRT", "RTPO", "RTIRF"}) {
      bloco += serie;
      bloco += '|';
      for (int mes = 0; mes < 13; ++mes) {
        bloco += QByteArray::number(100000 + (i * 13 + mes) % 900000);
        bloco += '|';
      }
      bloco += "\r\n";
    }
    if (bloco.size() > (1 << 20)) {
      arquivo.write(bloco);
      bloco.clear();
    }
  }
  arquivo.write(bloco);
}

// The fields of the two record shapes of the file, as the current layout gives them.
std::vector<std::unique_ptr<TCampo>> Campos(TArquivoDados& dados, bool beneficiario) {
  std::vector<std::unique_ptr<TCampo>> campos;
  auto cria = [&](TCampo::Atributos a) {
    campos.push_back(std::make_unique<TCampoF8UCL6S>(dados, a));
    campos.back()->SetPosicao(int(campos.size()));
  };
  if (beneficiario) {
    cria({QStringLiteral("Identificador"), TCampo::kAlfanumerico, TCampo::kFixo, 6, QStringLiteral("BPFDEC"), false, 1, {}});
    cria({QStringLiteral("CPF"), TCampo::kNumerico, TCampo::kFixo, 11, {}, false, 1, {QStringLiteral("RN_CPF_VALIDO")}});
    cria({QStringLiteral("Nome"), TCampo::kAlfanumerico, TCampo::kVariavel, 60, {}, false, 1, {QStringLiteral("RN_Nome_valido")}});
    cria({QStringLiteral("Laudo"), TCampo::kData, TCampo::kFixo, 8, {}, true, 2,
          {QStringLiteral("ER_Data_Valida"), QStringLiteral("RN_Data_do_Laudo_Valida"),
           QStringLiteral("ER_Data_Inferior_do_Laudo_Valida")}});
  } else {
    cria({QStringLiteral("Identificador"), TCampo::kAlfanumerico, TCampo::kVariavel, 5,
          QStringLiteral("RTRT|RTPO|RTPP|RTDP|RTPA|RTIRF|CJAA|CJAC|ESRT|ESPO|ESPP|ESDP|ESPA|ESIR|ESDJ|RIP65|RIBMR|"
                         "RIDAC|RIIRP|RIAP|RIVC|RIMOG|DAJUD"),
          false, 1, {}});
    for (int mes = 1; mes <= 13; ++mes)
      cria({QStringLiteral("Mes"), TCampo::kNumerico, TCampo::kVariavel, 13, {}, true, 1, {}});
  }
  return campos;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString caminho = pasta.path() + QStringLiteral("/declaracao.txt");
  GeraArquivo(caminho);
  const double megas = QFile(caminho).size() / 1e6;

  // The machine may be shared: each pass runs three times, and the best processor time counts.
  double nu = 1e300, completo = 1e300;
  int64_t linhasNuas = 0, itens = 0, linhas = 0, invalidos = 0;
  for (int rodada = 0; rodada < 3; ++rodada) {
    // Bare: read, decode and split each line.
    double inicio = SegundosCpu();
    linhasNuas = itens = 0;
    {
      LeitorLinhas leitor;
      leitor.Abre(caminho);
      QString linha;
      int64_t bytes = 0;
      TLinhaStringList lista;
      while (leitor.Le(linha, bytes)) {
        lista.Divide(linha);
        itens += lista.Quantidade();
        ++linhasNuas;
      }
    }
    nu = std::min(nu, SegundosCpu() - inicio);

    // The analysis reader: each line read, counted, split, tested as a line, then each field
    // given its item and tested by its rules.
    inicio = SegundosCpu();
    linhas = invalidos = 0;
    {
      TArquivoDados dados(pasta.path() + QStringLiteral("/TEMP/dec.log"));
      dados.PreparaAnalise(QFile(caminho).size());
      const auto beneficiario = Campos(dados, true);
      const auto serie = Campos(dados, false);
      dados.AnoCalendario = QStringLiteral("2013");
      TArquivoA arquivo(dados);
      arquivo.Abre(caminho);
      while (arquivo.LeLinha()) {
        TLinha& linha = arquivo.GetLinha();
        linha.Valida();
        const auto& campos = linha.GetTipo() == TTipoRegistro::BPFDEC ? beneficiario : serie;
        if (linha.GetNumeroCampos() + 1 == int(campos.size())) {
          for (size_t i = 0; i < campos.size(); ++i) {
            campos[i]->DefineValor(linha.Campo(int(i)), i == 0);
            campos[i]->Valida();
            if (!campos[i]->Valido()) ++invalidos;
          }
        }
        ++linhas;
      }
      dados.FechaLog();
    }
    completo = std::min(completo, SegundosCpu() - inicio);
  }

  std::printf("file: %lld lines, %.1f MB (%lld items)\n", static_cast<long long>(linhasNuas), megas,
              static_cast<long long>(itens));
  std::printf("bare read and split (best of 3, processor time):  %.2f s  %.0f lines/s\n", nu, linhasNuas / nu);
  std::printf("read, split and field check (best of 3, same):    %.2f s  %.0f lines/s  (%lld failing fields)\n", completo,
              linhas / completo, static_cast<long long>(invalidos));
  std::printf("ratio of field-check rate to bare rate: %.2f\n", (linhas / completo) / (linhasNuas / nu));
  return 0;
}
